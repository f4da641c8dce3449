#include "common/text_utils.h"

#include <cstring>

namespace velmo {

std::size_t BoundedLength(const char* text, std::size_t limit) {
    std::size_t n = 0;
    while (n < limit && text[n] != '\0') ++n;
    return n;
}

bool BoundedCopy(char* dst, std::size_t dstSize, const char* src) {
    if (dstSize == 0) return false;
    dst[0] = '\0';
    return BoundedAppend(dst, dstSize, src);
}

bool BoundedAppend(char* dst, std::size_t dstSize, const char* src) {
    if (dstSize == 0) return false;
    std::size_t used = BoundedLength(dst, dstSize - 1);
    std::size_t room = dstSize - 1 - used;
    std::size_t n = BoundedLength(src, room + 1);
    bool fits = n <= room;
    if (!fits) n = room;
    std::memcpy(dst + used, src, n);
    dst[used + n] = '\0';
    return fits;
}

bool JoinPath(char* dst, std::size_t dstSize, std::initializer_list<const char*> parts) {
    if (dstSize == 0) return false;
    dst[0] = '\0';
    for (const char* part : parts) {
        if (!BoundedAppend(dst, dstSize, part)) {
            dst[0] = '\0';
            return false;
        }
    }
    return true;
}

bool SubstitutePercent(char* dst, std::size_t dstSize, const char* pattern, const char* argument) {
    if (dstSize == 0) return false;
    std::size_t out = 0;
    bool substituted = false;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p == '%') {
            if (substituted) continue;
            substituted = true;
            dst[out] = '\0';
            if (!BoundedAppend(dst, dstSize, argument)) return false;
            out = BoundedLength(dst, dstSize);
            continue;
        }
        if (out + 1 >= dstSize) {
            dst[out] = '\0';
            return false;
        }
        dst[out++] = *p;
    }
    dst[out] = '\0';
    return true;
}

bool FormatUnsigned(char* dst, std::size_t dstSize, std::uint32_t value) {
    char reversed[10];
    std::size_t n = 0;
    do {
        reversed[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (dstSize == 0) return false;
    if (n + 1 > dstSize) {
        dst[0] = '\0';
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) dst[i] = reversed[n - 1 - i];
    dst[n] = '\0';
    return true;
}

bool ParseUnsigned(const char* text, std::uint32_t* value) {
    if (text == nullptr || *text == '\0') return false;
    std::uint64_t v = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return false;
        v = v * 10 + static_cast<std::uint64_t>(*p - '0');
        if (v > 0xFFFFFFFFull) return false;
    }
    *value = static_cast<std::uint32_t>(v);
    return true;
}

bool GroupDigits(char* dst, std::size_t dstSize, const char* digits) {
    if (dstSize == 0) return false;
    std::size_t n = std::strlen(digits);
    std::size_t needed = n + (n > 0 ? (n - 1) / 3 : 0);
    if (needed + 1 > dstSize) {
        dst[0] = '\0';
        return false;
    }
    std::size_t out = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) dst[out++] = ' ';
        dst[out++] = digits[i];
    }
    dst[out] = '\0';
    return true;
}

bool FormatGrouped(char* dst, std::size_t dstSize, std::uint32_t value) {
    char plain[11];
    FormatUnsigned(plain, sizeof plain, value);
    return GroupDigits(dst, dstSize, plain);
}

const char* FileNamePart(const char* path) {
    const char* name = std::strrchr(path, '\\');
    return name != nullptr ? name + 1 : path;
}

// memmove copies front to back or back to front as the overlap requires.
void CopyForward(void* dst, const void* src, std::size_t count) { std::memmove(dst, src, count); }

}  // namespace velmo
