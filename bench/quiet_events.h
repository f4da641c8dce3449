#pragma once
// An editor's events that nobody listens to: the benchmarks time the text
// model alone. Every history question is answered yes.
#include "editview/model/edit_events.h"

namespace velmo::bench {

class QuietEvents final : public EditEvents {
public:
    void TextEdited(const EditedSpan&) override {}
    void TextChanged() override {}
    void CaretMoved() override {}
    void OutOfTextSpace() override {}
    void OutOfTableSpace() override {}
    bool AllowWithoutUndo() override { return true; }
    bool AllowWithoutRedo() override { return true; }
};

}  // namespace velmo::bench
