#include "editing_model.h"

#include <algorithm>

#include "recording_events.h"
#include "editview/model/word_chars.h"

namespace velmo::testing {

Expected EditingModel::Edit(std::uint32_t start, std::uint32_t end, std::string with, bool simple) const {
    return Expected{
        .kind = Expected::Edit, .start = start, .end = end, .text = std::move(with), .simpleRecord = simple};
}

Expected EditingModel::Type(std::uint8_t code, bool ctrl) const {
    bool selected = selStart != selEnd;
    std::uint32_t at = selStart;
    Expected refused = Expected::Of(Expected::Refused);
    if (code == '\r') {
        if (selected) return Edit(selStart, selEnd, "\r\n", false);
        return InsideShownBreak(at) ? refused : Edit(at, at, "\r\n", true);
    }
    if (code == 8) {
        if (selected) return Edit(ctrl ? WordStart(selStart) : selStart, selEnd, "", false);
        if (at == 0) return Expected::Of(Expected::NothingToDelete);
        if (InsideShownBreak(at)) return refused;
        if (at >= 2 && BreakAt(at - 2)) return Edit(at - 2, at, "", true);
        if (ctrl && IsWordByte(static_cast<std::uint8_t>(text[at - 1]))) return Edit(WordStart(at), at, "", false);
        return Edit(at - 1, at, "", true);
    }
    if (code == 127) {
        if (selected) return Edit(selStart, ctrl ? WordEnd(selEnd) : selEnd, "", false);
        if (at == Length()) return Expected::Of(Expected::NothingToDelete);
        if (InsideShownBreak(at)) return refused;
        if (BreakAt(at)) return Edit(at, at + 2, "", true);
        if (ctrl && IsWordByte(static_cast<std::uint8_t>(text[at]))) return Edit(at, WordEnd(at), "", false);
        return Edit(at, at + 1, "", true);
    }
    std::string byte(1, static_cast<char>(code));
    if (selected) return Edit(selStart, selEnd, byte, false);
    if (InsideShownBreak(at)) return refused;
    bool onBreak = BreakAt(at) || (at > 0 && BreakAt(at - 1));
    return Edit(at, overwrite && at < Length() && !onBreak ? at + 1 : at, byte, true);
}

Expected EditingModel::Replace(const std::string& with, bool record) const {
    if (selStart == selEnd && with.empty()) return Expected::Of(Expected::Nothing);
    Expected edit = Edit(selStart, selEnd, with, false);
    edit.recorded = record;
    edit.selectInserted = true;
    return edit;
}

Expected EditingModel::StepBack(const std::vector<ModelStep>& from) const {
    if (from.empty()) return Expected::Of(Expected::Nothing);
    Expected edit = Edit(from.back().start, from.back().end, from.back().text, false);
    edit.selectInserted = true;
    return edit;
}

void EditingModel::ApplyEdit(const Expected& edit, bool withRecord) {
    if (withRecord) {
        undo.push_back({edit.start, edit.start + Size(edit.text), text.substr(edit.start, edit.end - edit.start)});
    } else {
        undo.clear();
    }
    redo.clear();
    Replace(edit.start, edit.end, edit.text, edit.selectInserted);
}

void EditingModel::ApplyStepBack(std::vector<ModelStep>& from, std::vector<ModelStep>& to, bool withRecord) {
    ModelStep step = from.back();
    from.pop_back();
    if (withRecord) {
        to.push_back({step.start, step.start + Size(step.text), text.substr(step.start, step.end - step.start)});
    } else {
        to.clear();
    }
    Replace(step.start, step.end, step.text, true);
}

void EditingModel::Replace(std::uint32_t start, std::uint32_t end, const std::string& with, bool selectInserted) {
    text.replace(start, end - start, with);
    std::uint32_t after = start + Size(with);
    selStart = selectInserted ? start : after;
    anchor = selStart;
    selEnd = caret = after;
    modified = true;
}

void EditingModel::SetSelection(std::uint32_t start, std::uint32_t end) {
    if (start == 0 && end == 0xFFFFFFFFu) {
        selStart = caret = anchor = 0;
        selEnd = Length();
    } else if (start == 0xFFFFFFFFu) {
        selStart = selEnd = anchor = caret;
    } else {
        if (start > end) std::swap(start, end);
        selStart = anchor = std::min(start, Length());
        selEnd = caret = std::min(end, Length());
    }
}

void EditingModel::NewText(const std::string& with) {
    text = with;
    undo.clear();
    redo.clear();
    selStart = selEnd = caret = anchor = 0;
    modified = false;
}

std::uint32_t EditingModel::CaretLine() const { return ReferenceLine(text, caret); }

std::uint32_t EditingModel::CaretColumn() const { return caret - LineStart(caret); }

bool EditingModel::BreakAt(std::uint32_t offset) const {
    return offset + 1 < Length() && text[offset] == '\r' && text[offset + 1] == '\n';
}

bool EditingModel::InsideShownBreak(std::uint32_t offset) const {
    return showControlChars && offset > 0 && BreakAt(offset - 1);
}

std::uint32_t EditingModel::LineStart(std::uint32_t offset) const {
    std::uint32_t start = 0;
    for (std::uint32_t i = 0; i + 2 <= offset; ++i) {
        if (BreakAt(i)) start = i + 2;
    }
    return start;
}

std::uint32_t EditingModel::LineTextEnd(std::uint32_t offset) const {
    std::size_t found = text.find("\r\n", offset > 0 ? offset - 1 : 0);
    return found == std::string::npos ? Length() : static_cast<std::uint32_t>(found);
}

std::uint32_t EditingModel::WordStart(std::uint32_t offset) const {
    std::uint32_t start = LineStart(offset);
    while (offset > start && IsWordByte(static_cast<std::uint8_t>(text[offset - 1]))) --offset;
    return offset;
}

std::uint32_t EditingModel::WordEnd(std::uint32_t offset) const {
    std::uint32_t end = LineTextEnd(offset);
    while (offset < end && IsWordByte(static_cast<std::uint8_t>(text[offset]))) ++offset;
    return offset;
}

}  // namespace velmo::testing
