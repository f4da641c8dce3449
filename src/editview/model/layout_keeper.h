#pragma once
// The seam between editing and the line layout. Editing moves the bytes; a
// layout keeper keeps the line table current for the word-wrap mode in force:
// with wrap off it patches the line starts, with wrap on it re-breaks the
// rows of the touched logical lines.
#include <cstdint>

#include "editview/model/text_change.h"

namespace velmo {

class TextStore;

class LayoutKeeper {
public:
    virtual ~LayoutKeeper() = default;
    // Called before the bytes move (the text buffer is locked): makes sure the
    // change can be applied. False when the table cannot grow; nothing is
    // changed then.
    virtual bool Prepare(TextStore& store, const TextChange& change) = 0;
    // Called after the bytes moved, for the change last prepared. Cannot fail.
    // Returns the first line whose start or content changed.
    virtual std::uint32_t Apply(TextStore& store, const TextChange& change) = 0;
    // Whether the last applied change added or removed lines (rows with wrap on).
    virtual bool LinesChanged() const = 0;
    // The first and last of the view's rows (lines with wrap off) that show
    // text the last applied change wrote.
    virtual std::uint32_t FirstWrittenRow() const = 0;
    virtual std::uint32_t LastWrittenRow() const = 0;
};

}  // namespace velmo
