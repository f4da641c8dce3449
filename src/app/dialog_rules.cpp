#include "app/dialog_rules.h"

#include "common/text_utils.h"

namespace velmo {

namespace {

// One axis in 64 bits, so that no rectangle can overflow the sums.
std::int32_t CenteredStart(std::int64_t ownerStart, std::int64_t ownerExtent, std::int64_t extent) {
    std::int64_t start = ownerExtent >= extent ? ownerStart + (ownerExtent - extent) / 2
                                               : ownerStart - (extent - ownerExtent) / 2;
    if (start < INT32_MIN) return INT32_MIN;
    if (start > INT32_MAX) return INT32_MAX;
    return static_cast<std::int32_t>(start);
}

std::int64_t Extent(std::int32_t start, std::int32_t end) { return std::int64_t{end} - start; }

}  // namespace

Point32 CenteredOrigin(const Rect32& owner, const Rect32& dialog) {
    return {CenteredStart(owner.left, Extent(owner.left, owner.right), Extent(dialog.left, dialog.right)),
            CenteredStart(owner.top, Extent(owner.top, owner.bottom), Extent(dialog.top, dialog.bottom))};
}

bool ParseLineNumber(const char* text, std::uint32_t lineCount, std::uint32_t* line) {
    std::uint32_t n = 0;
    if (!ParseUnsigned(text, &n) || n == 0 || n > lineCount) return false;
    *line = n;
    return true;
}

}  // namespace velmo
