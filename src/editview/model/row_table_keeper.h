#pragma once
// Word wrap on: keeps the row table current by breaking again only the
// logical lines an edit touches. The rows those lines will need are counted
// on the old text before anything moves, so that an edit whose rows do not
// fit (one long pasted line can need many) is refused while nothing has
// changed yet.
#include <cstdint>

#include "editview/model/layout_keeper.h"
#include "editview/view/row_rewrap.h"

namespace velmo {

class RowTableKeeper final : public LayoutKeeper {
public:
    bool Prepare(TextStore& store, const TextChange& change) override;
    std::uint32_t Apply(TextStore& store, const TextChange& change) override;
    bool LinesChanged() const override { return rowsChanged_; }
    // The touched lines' rows: a break can move up a row as well as down.
    std::uint32_t FirstWrittenRow() const override { return plan_.firstRow; }
    std::uint32_t LastWrittenRow() const override {
        return plan_.newRows > 0 ? plan_.firstRow + plan_.newRows - 1 : plan_.firstRow;
    }

private:
    RewrapPlan plan_;
    bool rowsChanged_ = false;
};

}  // namespace velmo
