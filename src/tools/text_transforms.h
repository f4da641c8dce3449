#pragma once
// The text tools' rewrites of a selection, free of any window: lower, upper
// and inverted case, reversal, paragraph/bold/italic tags and tag removal.
// Each reads `length` bytes (NUL is an ordinary byte) and makes the whole
// replacement in `out`, or returns false when memory runs out.
#include <cstdint>

#include "tools/tool_text.h"

namespace velmo {

enum class LetterCase : std::uint8_t { None, Upper, Lower };

// What the user's locale says of each byte value: its lower and upper case
// forms and whether it is an upper- or lower-case letter.
struct CaseTable {
    std::uint8_t lower[256];
    std::uint8_t upper[256];
    LetterCase kind[256];
};

// The rewrite of a text-tool command (203..206, 800..803); false for any
// other command as well.
bool TransformText(unsigned command, const CaseTable& cases, const std::uint8_t* text, std::uint32_t length,
                   ToolText& out);

struct ToolSelection {
    std::uint32_t start;
    std::uint32_t end;
};

// The range to select once the selection at `start` of `selectedLength`
// bytes was replaced by `replacementLength` bytes: the whole replacement, or
// for a tag around nothing the caret between the tags. False when the tool
// leaves the selection as the replacement left it (tag removal).
bool SelectionAfterTool(unsigned command, std::uint32_t start, std::uint32_t selectedLength,
                        std::uint32_t replacementLength, ToolSelection* selection);

}  // namespace velmo
