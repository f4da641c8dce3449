#include "app/status_text.h"

#include "common/safe_format.h"
#include "common/text_utils.h"

namespace velmo {

namespace {
constexpr std::size_t kGroupedSize = 16;  // 4 294 967 295 and its terminator
}

bool FormatPositionText(char* dst, std::size_t dstSize, const char* pattern, std::uint32_t line,
                        std::uint32_t column, std::uint32_t selectionLength) {
    char texts[3][kGroupedSize];
    FormatGrouped(texts[0], kGroupedSize, line);
    FormatGrouped(texts[1], kGroupedSize, column);
    FormatGrouped(texts[2], kGroupedSize, selectionLength);
    const FormatArg args[] = {FormatArg::Text(texts[0]), FormatArg::Text(texts[1]), FormatArg::Text(texts[2])};
    return FormatText(dst, dstSize, pattern, args, 3);
}

bool FormatLineCountText(char* dst, std::size_t dstSize, const char* pattern, std::uint32_t lineCount) {
    char count[kGroupedSize];
    FormatGrouped(count, sizeof count, lineCount);
    return SubstitutePercent(dst, dstSize, pattern, count);
}

bool FormatCharacterText(char* dst, std::size_t dstSize, const char* pattern, unsigned char byte) {
    const FormatArg args[] = {FormatArg::Number(byte), FormatArg::Number(byte)};
    return FormatText(dst, dstSize, pattern, args, 2);
}

bool FormatCodePageText(char* dst, std::size_t dstSize, const char* codePage) {
    return BoundedCopy(dst, dstSize, " CP: ") && BoundedAppend(dst, dstSize, codePage);
}

}  // namespace velmo
