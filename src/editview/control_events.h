#pragma once
// How the control answers what editing tells it: repaint, notify the parent,
// and ask the parent when a history is full.
#include "editview/model/edit_events.h"

namespace velmo {

class ControlEvents final : public EditEvents {
public:
    void TextEdited(const EditedSpan& span) override;
    void TextChanged() override;
    void CaretMoved() override;
    void OutOfTextSpace() override;
    void OutOfTableSpace() override;
    bool AllowWithoutUndo() override;
    bool AllowWithoutRedo() override;
};

}  // namespace velmo
