#pragma once
// Editing operations applied to the editor and to a plain model side by side,
// with word wrap switched on and off and the measurements changed on the way.
// After every step the bytes, the layout (the line table against a rebuild,
// the rows against the literal breaking rules), the selection, the flags,
// both histories and the line queries must agree with the model. Some steps
// run with allocations set to fail; the editor must then have made the whole
// edit or nothing, as its answer says. The decisions come from a Choices, so
// the randomized test and the fuzz target drive the same code.
#include <cstdint>
#include <map>
#include <string>

#include "../../common/choices.h"
#include "../../common/mismatch.h"
#include "editing_model.h"
#include "editview/view/char_width_table.h"
#include "recording_events.h"

namespace velmo::testing {

class EditingDriver {
public:
    EditingDriver();
    ~EditingDriver();
    EditingDriver(const EditingDriver&) = delete;
    EditingDriver& operator=(const EditingDriver&) = delete;

    // One operation chosen by `choices`, then the comparison: "" when the
    // editor agrees with the model, else the first difference.
    std::string Step(Choices& choices);
    // How often each outcome came, so that a test can see every path taken.
    const std::map<std::string, std::uint64_t>& Seen() const { return seen_; }

private:
    void Operate(std::uint32_t roll);
    void Arm(std::uint32_t percent);
    void TypeKey();
    void ReplaceText(std::uint32_t pieces, std::uint32_t breaks);
    void ChangeSelection();
    void ChangeMeasurements(std::uint32_t which);
    void SwitchWrap();
    void Reopen();
    std::string RandomText(std::uint32_t pieces, std::uint32_t breaks);
    void ExpectEdit(const Expected& want, EditResult got);
    void ExpectStepBack(std::vector<ModelStep>& from, std::vector<ModelStep>& to, EditResult got);
    void ExpectFailure(EditResult got, bool allowed);
    void CompareSpan(std::uint32_t start, std::uint32_t removed, std::uint32_t inserted);
    void CompareWithModel();
    void CompareLayout(const std::string& text);
    void CompareQueries();
    void CompareHistory(UndoStore& store, const std::vector<ModelStep>& model, const char* name);
    std::string Text();

    Choices* choices_ = nullptr;
    TextStore store_{SystemHeap()};
    RecordingEvents events_{store_};
    Editor editor_{store_, events_};
    EditingModel model_;
    CharWidthTable widths_;
    std::uint32_t wrapWidth_ = 60;
    bool armed_ = false;  // allocations may fail during this step
    std::uint32_t rowsBefore_ = 0, linesBefore_ = 0;
    Mismatch mismatch_;
    std::map<std::string, std::uint64_t> seen_;
};

}  // namespace velmo::testing
