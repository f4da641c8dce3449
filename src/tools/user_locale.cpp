#include "tools/user_locale.h"

#include <windows.h>

#include "common/text_utils.h"

namespace velmo {

namespace {

std::uint8_t Converted(std::uint8_t byte, DWORD (WINAPI *convert)(LPSTR, DWORD)) {
    char c = static_cast<char>(byte);
    convert(&c, 1);
    return static_cast<std::uint8_t>(c);
}

}  // namespace

// A byte that starts a double-byte character means nothing alone, so it is
// left as it is rather than converted into a stray replacement character.
CaseTable UserCaseTable() {
    CaseTable cases;
    for (unsigned b = 0; b < 256; ++b) {
        auto byte = static_cast<std::uint8_t>(b);
        bool single = IsDBCSLeadByte(byte) == FALSE;
        auto c = static_cast<CHAR>(byte);
        cases.lower[b] = single ? Converted(byte, CharLowerBuffA) : byte;
        cases.upper[b] = single ? Converted(byte, CharUpperBuffA) : byte;
        cases.kind[b] = !single ? LetterCase::None
                        : IsCharUpperA(c) ? LetterCase::Upper
                        : IsCharLowerA(c) ? LetterCase::Lower
                                          : LetterCase::None;
    }
    return cases;
}

bool FormatTimeAndDate(char* text, std::size_t size) {
    constexpr int kPartSize = 128;
    char time[kPartSize];
    char date[kPartSize];
    bool formatted = GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, kPartSize) != 0 &&
                     GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, date, kPartSize) != 0;
    if (formatted && BoundedCopy(text, size, time) && BoundedAppend(text, size, " ") &&
        BoundedAppend(text, size, date)) {
        return true;
    }
    if (size != 0) text[0] = '\0';
    return false;
}

}  // namespace velmo
