#include "editview/view/widest_line.h"

#include <algorithm>

namespace velmo {

void WidestLineRecord::Measure(const MeasuredText& d) {
    widest_ = FindWidestLine(d.lines, d.text, d.widths);
    lineCount_ = d.lines.count;
    known_ = true;
}

// The lines the edit wrote run from the line of its offset to the line of
// the byte after the inserted text's end, since a break can form or split
// across either edge; every line after them only moved by the change in the
// line count.
void WidestLineRecord::AfterEdit(const MeasuredText& d, std::uint32_t offset, std::uint32_t inserted) {
    if (!known_) return;  // measured afresh when next asked for
    std::uint64_t after = std::min<std::uint64_t>(std::uint64_t{offset} + inserted + 1, d.lines.Length());
    std::uint32_t first = d.lines.LineFromOffset(offset);
    std::uint32_t last = d.lines.LineFromOffset(static_cast<std::uint32_t>(after));
    std::int64_t added = std::int64_t{d.lines.count} - lineCount_;
    std::int64_t lastBefore = std::int64_t{last} - added;  // the last line written, numbered before the edit
    lineCount_ = d.lines.count;
    bool rewritten = widest_.line >= first && widest_.line <= lastBefore;
    if (widest_.line > lastBefore) widest_.line = static_cast<std::uint32_t>(widest_.line + added);
    WidestLine written = FindWidestLine(d.lines, d.text, d.widths, first, last);
    if (written.width > widest_.width || (rewritten && written.width == widest_.width)) {
        widest_ = written;
    } else if (rewritten || lastBefore < first || widest_.line > d.lines.last) {
        known_ = false;
    }
}

WidestLine WidestLineRecord::Current(const MeasuredText& d) {
    if (!known_) Measure(d);
    return widest_;
}

}  // namespace velmo
