#pragma once
// Word wrap off: keeps the line table current by patching it. Only the
// entries of line breaks that an edit removes or creates are taken out or put
// in, those behind are shifted by the change in length. A break can also be
// made or broken at the edges of an edit (an LF typed behind a lone CR, the
// byte between a lone CR and an LF deleted), so the byte pairs across both
// edges are checked as well.
#include <cstdint>

#include "editview/model/layout_keeper.h"

namespace velmo {

class LineTablePatch final : public LayoutKeeper {
public:
    bool Prepare(TextStore& store, const TextChange& change) override;
    std::uint32_t Apply(TextStore& store, const TextChange& change) override;
    bool LinesChanged() const override { return added_ != removed_; }
    std::uint32_t FirstWrittenRow() const override { return firstLine_; }
    std::uint32_t LastWrittenRow() const override { return lastWritten_; }

private:
    std::uint32_t firstLine_ = 0;  // line holding the change's start
    std::uint32_t lastLine_ = 0;   // last line whose start the change touches
    std::uint32_t added_ = 0;      // line starts the change creates
    std::uint32_t removed_ = 0;    // line starts it takes away
    std::uint32_t lastWritten_ = 0;  // the last line whose start was written, after the change
};

}  // namespace velmo
