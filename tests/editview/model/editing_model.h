#pragma once
// A plain model of the document and its histories for the randomized test:
// a std::string, the selection fields and two stacks of steps. It decides
// what each operation should do; the test then holds the editor to it.
#include <cstdint>
#include <string>
#include <vector>

namespace velmo::testing {

struct ModelStep {
    std::uint32_t start, end;
    std::string text;  // [start, end) gives way to it when the step is taken back
};

// What an operation should do to the model.
struct Expected {
    enum Kind { Edit, NothingToDelete, Nothing, Refused } kind = Nothing;
    std::uint32_t start = 0, end = 0;
    std::string text;
    bool simpleRecord = false;  // a typed key's record (EN_ERRSPACE when full)
    bool recorded = true;       // false for EM_REPLACESEL without recording
    bool selectInserted = false;

    static Expected Of(Kind kind) {
        Expected expected;
        expected.kind = kind;
        return expected;
    }
};

class EditingModel {
public:
    std::string text;
    std::uint32_t selStart = 0, selEnd = 0, caret = 0, anchor = 0;
    bool overwrite = false, showControlChars = false, modified = false;
    std::vector<ModelStep> undo, redo;

    Expected Type(std::uint8_t code, bool ctrl) const;
    Expected Replace(const std::string& with, bool record) const;
    // The step Undo (or Redo) takes back, if any.
    Expected StepBack(const std::vector<ModelStep>& from) const;

    // Makes `edit` as a user edit (with or without its record) or as a step
    // back from one history into the other (with or without the inverse).
    void ApplyEdit(const Expected& edit, bool withRecord);
    void ApplyStepBack(std::vector<ModelStep>& from, std::vector<ModelStep>& to, bool withRecord);
    void SetSelection(std::uint32_t start, std::uint32_t end);
    // A new document: no history, the caret at the start, not modified.
    void NewText(const std::string& with);

    std::uint32_t Length() const { return static_cast<std::uint32_t>(text.size()); }
    std::uint32_t CaretLine() const;
    std::uint32_t CaretColumn() const;
    std::uint32_t LineTextEnd(std::uint32_t offset) const;
    bool BreakAt(std::uint32_t offset) const;  // a CR LF pair starts there
    // Both ends in 16 bits each, or all ones when either does not fit.
    std::uint32_t PackedSelection() const {
        return selStart > 0xFFFF || selEnd > 0xFFFF ? 0xFFFFFFFFu : selEnd << 16 | selStart;
    }

private:
    void Replace(std::uint32_t start, std::uint32_t end, const std::string& with, bool selectInserted);
    bool InsideShownBreak(std::uint32_t offset) const;
    std::uint32_t LineStart(std::uint32_t offset) const;
    std::uint32_t WordStart(std::uint32_t offset) const;
    std::uint32_t WordEnd(std::uint32_t offset) const;
    Expected Edit(std::uint32_t start, std::uint32_t end, std::string with, bool simple) const;
};

}  // namespace velmo::testing
