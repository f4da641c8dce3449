#include "common/safe_format.h"

#include <cstring>

#include "common/text_utils.h"

namespace velmo {

namespace {

struct Output {
    char* dst;
    std::size_t size;
    std::size_t used = 0;
    bool cut = false;

    void Put(char c) {
        if (used + 1 < size) {
            dst[used++] = c;
        } else {
            cut = true;
        }
    }
    void Pad(const char* text, std::size_t width, bool left, char fill) {
        std::size_t n = std::strlen(text);
        if (!left) {
            // Zero padding goes after a sign, as printf does.
            if (fill == '0' && *text == '-') {
                Put(*text++);
                --n;
                if (width > 0) --width;
            }
            for (std::size_t i = n; i < width; ++i) Put(fill);
        }
        for (std::size_t i = 0; i < n; ++i) Put(text[i]);
        for (std::size_t i = n; left && i < width; ++i) Put(' ');
    }
};

// The text of one number conversion, at most 11 characters.
void NumberText(char conversion, std::uint32_t value, char (&out)[12]) {
    if (conversion == 'c') {
        out[0] = static_cast<char>(value);
        out[1] = '\0';
        return;
    }
    if (conversion == 'x' || conversion == 'X') {
        const char* digits = conversion == 'x' ? "0123456789abcdef" : "0123456789ABCDEF";
        char reversed[8];
        std::size_t n = 0;
        do {
            reversed[n++] = digits[value & 15];
            value >>= 4;
        } while (value != 0);
        for (std::size_t i = 0; i < n; ++i) out[i] = reversed[n - 1 - i];
        out[n] = '\0';
        return;
    }
    bool negative = (conversion == 'd' || conversion == 'i') && static_cast<std::int32_t>(value) < 0;
    std::uint32_t magnitude = negative ? 0u - value : value;
    out[0] = '-';
    FormatUnsigned(out + (negative ? 1 : 0), sizeof out - 1, magnitude);
}

bool IsConversion(char c) { return c != '\0' && std::strchr("sdiuxXc", c) != nullptr; }

}  // namespace

bool FormatText(char* dst, std::size_t dstSize, const char* format, const FormatArg* args, std::size_t argCount) {
    if (dstSize == 0) return false;
    Output out{dst, dstSize};
    std::size_t next = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out.Put(*p);
            continue;
        }
        const char* cursor = p + 1;
        bool left = false;
        char fill = ' ';
        for (; *cursor == '-' || *cursor == '0'; ++cursor) {
            if (*cursor == '-') left = true;
            if (*cursor == '0') fill = '0';
        }
        std::size_t width = 0;
        for (int digits = 0; *cursor >= '0' && *cursor <= '9' && digits < 2; ++cursor, ++digits) {
            width = width * 10 + static_cast<std::size_t>(*cursor - '0');
        }
        if (*cursor == 'l' || *cursor == 'h') ++cursor;
        if (!IsConversion(*cursor)) {
            // "%%" is a percent sign; a stray "%" stands for itself.
            out.Put('%');
            if (*cursor == '%') p = cursor;
            continue;
        }
        FormatArg arg = next < argCount ? args[next] : FormatArg::Text("");
        ++next;
        char number[12];
        const char* text = arg.text;
        if (text == nullptr) {
            NumberText(*cursor == 's' ? 'u' : *cursor, arg.number, number);
            text = number;
        }
        out.Pad(text, width, left, left ? ' ' : fill);
        p = cursor;
    }
    dst[out.used] = '\0';
    return !out.cut;
}

}  // namespace velmo
