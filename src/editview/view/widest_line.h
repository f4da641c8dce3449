#pragma once
// The widest line of the unwrapped view, kept current through edits without
// measuring the whole document at each one: an edit measures the lines it
// wrote, and only when it narrowed or removed the widest line is every line
// measured again, once, when the width is next asked for.
#include <cstdint>

#include "editview/model/line_table.h"
#include "editview/view/char_width_table.h"
#include "editview/view/view_geometry.h"

namespace velmo {

// The document as measured: its line table, its bytes and the widths.
struct MeasuredText {
    const LineTable& lines;
    const std::uint8_t* text;
    const CharWidthTable& widths;
};

class WidestLineRecord {
public:
    // Measures every line.
    void Measure(const MeasuredText& document);
    // After an edit that put `inserted` bytes at `offset` (offsets after the
    // edit; the table is the one after it).
    void AfterEdit(const MeasuredText& document, std::uint32_t offset, std::uint32_t inserted);
    // The widest line, measuring every line first when an edit left it unknown.
    WidestLine Current(const MeasuredText& document);
    // The width last known, without measuring (for a layout that keeps no lines).
    std::uint64_t LastWidth() const { return widest_.width; }
    bool Known() const { return known_; }

private:
    WidestLine widest_;
    std::uint32_t lineCount_ = 1;  // lines of the document it was kept for
    bool known_ = true;
};

}  // namespace velmo
