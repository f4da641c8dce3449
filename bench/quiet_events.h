#pragma once
// An editor's events that nobody listens to, but for an optional look at
// each edit: the benchmarks time the text model alone. Every history
// question is answered yes.
#include "editview/model/edit_events.h"

namespace velmo::bench {

class QuietEvents final : public EditEvents {
public:
    void TextEdited(const EditedSpan& span) override {
        if (edited != nullptr) edited(span);
    }
    void (*edited)(const EditedSpan& span) = nullptr;
    void TextChanged() override {}
    void CaretMoved() override {}
    void OutOfTextSpace() override {}
    void OutOfTableSpace() override {}
    bool AllowWithoutUndo() override { return true; }
    bool AllowWithoutRedo() override { return true; }
};

}  // namespace velmo::bench
