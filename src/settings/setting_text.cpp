#include "settings/setting_text.h"

#include <cstring>

#include "common/text_utils.h"

namespace velmo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

bool IsQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

void FormatSettingNumber(char (&dst)[kSettingNumberSize], std::int32_t value) {
    FormatUnsigned(dst, sizeof dst, static_cast<std::uint32_t>(value));
}

bool ParseSettingNumber(const char* text, std::int32_t* value) {
    if (text == nullptr) return false;
    while (IsBlank(*text)) ++text;
    bool negative = *text == '-';
    if (negative) ++text;
    std::size_t n = std::strlen(text);
    while (n > 0 && IsBlank(text[n - 1])) --n;
    if (n == 0 || n > 64) return false;
    char digits[65];
    std::memcpy(digits, text, n);
    digits[n] = '\0';
    std::uint32_t magnitude = 0;
    if (!ParseUnsigned(digits, &magnitude)) return false;
    if (negative) {
        if (magnitude > 0x80000000u) return false;
        *value = static_cast<std::int32_t>(0u - magnitude);
    } else {
        *value = static_cast<std::int32_t>(magnitude);
    }
    return true;
}

bool PrepareProfileText(char* dst, std::size_t dstSize, const char* text) {
    if (dstSize == 0) return false;
    std::size_t n = std::strcspn(text, "\r\n");
    bool needsQuotes = n > 0 && (IsBlank(text[0]) || IsBlank(text[n - 1]) ||
                                 (n >= 2 && IsQuote(text[0]) && text[n - 1] == text[0]));
    std::size_t quotes = needsQuotes ? 2 : 0;
    if (n + quotes + 1 > dstSize) {
        dst[0] = '\0';
        return false;
    }
    char* out = dst;
    if (needsQuotes) *out++ = '"';
    std::memcpy(out, text, n);
    out += n;
    if (needsQuotes) *out++ = '"';
    *out = '\0';
    return true;
}

}  // namespace velmo
