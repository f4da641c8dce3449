#include "editing_driver.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "../view/wrap_test_support.h"

namespace velmo::testing {
namespace {

constexpr std::uint32_t kAll = 0xFFFFFFFFu;

const char* Name(EditResult result) {
    static const char* const kNames[] = {"Done",      "DoneWithoutRecord", "NothingChanged", "Refused",
                                         "Cancelled", "NoTextSpace",       "NoTableSpace"};
    return kNames[static_cast<int>(result)];
}

// New random font widths; control characters stay shown or hidden.
void SetRandomWidths(CharWidthTable& widths, std::uint32_t seed) {
    std::mt19937 rng(seed);
    bool shown = widths.ControlCharsShown();
    widths = test::RandomWidths(rng);
    widths.ShowControlChars(shown);
}

}  // namespace

EditingDriver::EditingDriver() {
    if (!store_.Create()) std::abort();
    SetRandomWidths(widths_, 1);
}

EditingDriver::~EditingDriver() {
    SystemHeap().FailAfter(0);
    SystemHeap().FailAlways(false);
    store_.Destroy();
}

std::string EditingDriver::Step(Choices& choices) {
    choices_ = &choices;
    mismatch_.Clear();
    events_.allowWithoutUndo = choices.Chance(50);
    events_.allowWithoutRedo = choices.Chance(50);
    events_.Take();
    armed_ = false;
    rowsBefore_ = store_.RowCount();
    linesBefore_ = store_.LineCount();
    std::uint32_t roll = choices.Below(1000);
    Operate(roll);
    SystemHeap().FailAfter(0);
    if (!mismatch_.Found()) CompareWithModel();
    if (!mismatch_.Found()) return "";
    return "operation " + std::to_string(roll) + (armed_ ? " (failures armed)" : "") + " wrap " +
           (store_.WordWrap() ? "on: " : "off: ") + mismatch_.Text();
}

// Allocations fail now and then; big steps make the blocks grow, so they
// run with failures armed more often.
void EditingDriver::Arm(std::uint32_t percent) {
    armed_ = choices_->Chance(percent);
    if (armed_) SystemHeap().FailAfter(1 + choices_->Below(2), 1 + choices_->Below(2));
}

void EditingDriver::Operate(std::uint32_t roll) {
    if (model_.Length() > 60000 && roll < 300) {  // keep the text small enough to check quickly
        Arm(50);
        store_.SetSelection(0, kAll);
        model_.SetSelection(0, kAll);
        ExpectEdit(model_.Replace("", true), editor_.DeleteSelection());
    } else if (roll < 400) {
        Arm(6);
        TypeKey();
    } else if (roll < 470) {
        Arm(6);
        ReplaceText(choices_->Below(7), 1);
    } else if (roll < 520) {
        Arm(50);
        ReplaceText(10000 + choices_->Below(20000), 6);
    } else if (roll < 670) {
        ChangeSelection();
    } else if (roll < 780) {
        Arm(6);
        ExpectStepBack(model_.undo, model_.redo, editor_.Undo());
    } else if (roll < 860) {
        Arm(6);
        ExpectStepBack(model_.redo, model_.undo, editor_.Redo());
    } else if (roll < 900) {
        store_.overwrite = model_.overwrite = !model_.overwrite;
    } else if (roll < 960) {
        Arm(20);
        ChangeMeasurements(roll % 3);
    } else if (roll < 980) {
        Arm(20);
        SwitchWrap();
    } else if (roll < 983) {
        editor_.EmptyHistories();
        model_.undo.clear();
        model_.redo.clear();
    } else if (roll < 987) {
        Reopen();
    } else {
        Arm(6);
        ExpectEdit(model_.Replace("", true), editor_.DeleteSelection());
    }
}

// Pieces of text, NUL bytes among them; line breaks make up `breaks` of 8.
std::string EditingDriver::RandomText(std::uint32_t pieces, std::uint32_t breaks) {
    static const char* const kPieces[] = {"a", "b", " ", "\r", "\n", "x;", "_y", "\t", "W", "\x7f"};
    std::string text;
    for (std::uint32_t i = 0; i < pieces; ++i) {
        std::uint32_t pick = choices_->Below(80);
        if (pick < breaks * 10) {
            text += "\r\n";
        } else if (pick % 10 == 0) {
            text += '\0';
        } else {
            text += kPieces[pick % std::size(kPieces)];
        }
    }
    return text;
}

void EditingDriver::TypeKey() {
    static const std::uint8_t kKeys[] = {'a', 'b', ' ', ';', '_', '\n', 0, '\t', 0xE9, 'W', 0x7F,
                                         '\r', '\r', 8, 8, 8, 127, 127, 127};
    std::uint8_t key = kKeys[choices_->Below(std::size(kKeys))];
    bool ctrl = choices_->Chance(30);
    ExpectEdit(model_.Type(key, ctrl), editor_.Type(key, ctrl));
}

void EditingDriver::ReplaceText(std::uint32_t pieces, std::uint32_t breaks) {
    bool record = !choices_->Chance(3);
    std::string text = RandomText(pieces, breaks);
    ExpectEdit(model_.Replace(text, record), editor_.ReplaceSelection(Bytes(text), Size(text), record));
}

void EditingDriver::ChangeSelection() {
    std::uint32_t start = choices_->Below(model_.Length() + 2);
    std::uint32_t end = choices_->Below(model_.Length() + 2);
    std::uint32_t kind = choices_->Below(10);
    if (kind == 0) {
        start = 0, end = kAll;
    } else if (kind == 1) {
        start = kAll;
    } else if (kind < 6) {
        end = start;  // mostly a bare caret, as typing leaves it
    }
    store_.SetSelection(start, end);
    model_.SetSelection(start, end);
}

// Control characters shown or hidden, another font or another wrap width:
// the rows are broken again; when that fails the old rows and measurements
// stay.
void EditingDriver::ChangeMeasurements(std::uint32_t which) {
    if (which == 0) {
        bool shown = !model_.showControlChars;
        widths_.ShowControlChars(shown);
        store_.showControlChars = model_.showControlChars = shown;
    } else if (which == 1) {
        SetRandomWidths(widths_, choices_->Below(1u << 16));
    } else {
        wrapWidth_ = choices_->Below(150);
    }
    WrapRules before = store_.Rules();
    std::uint32_t beforeWidth = before.wrapWidth;
    if (store_.Rewrap(widths_, wrapWidth_)) return;
    ++seen_["rewrap failed"];
    mismatch_.Holds(armed_, "rewrap failed without an injected failure");
    mismatch_.Same(store_.Rules().wrapWidth, beforeWidth, "wrap width after a failed rewrap");
}

void EditingDriver::SwitchWrap() {
    bool on = !store_.WordWrap();
    if (store_.SetWordWrap(on, widths_, wrapWidth_)) {
        mismatch_.Same(store_.WordWrap(), on, "wrap mode");
        return;
    }
    ++seen_["wrap switch failed"];
    mismatch_.Holds(armed_, "wrap switch failed without an injected failure");
    mismatch_.Same(store_.WordWrap(), !on, "wrap mode after a failed switch");
}

// Fresh blocks in the same wrap mode with the text as it stands, so that
// growth comes up again; now and then a new empty document instead.
void EditingDriver::Reopen() {
    bool overwrite = store_.overwrite, shown = store_.showControlChars, wrapped = store_.WordWrap();
    store_.Destroy();
    if (!store_.Create() || !store_.SetWordWrap(wrapped, widths_, wrapWidth_)) std::abort();
    if (choices_->Chance(25)) model_.text.clear();
    BlockHandle block = model_.text.empty() ? 0 : SystemHeap().Allocate(model_.Length(), true);
    if (block != 0) std::copy(model_.text.begin(), model_.text.end(), SystemHeap().Lock(block));
    BlockHandle old = store_.Buffer().handle;
    if (!store_.SetText(block, model_.Length())) std::abort();
    if (block != 0) SystemHeap().Free(old);
    store_.overwrite = overwrite;
    store_.showControlChars = shown;
    model_.undo.clear();
    model_.redo.clear();
    model_.selStart = model_.selEnd = model_.caret = model_.anchor = 0;
    model_.modified = false;
}

// A failed step must not have been possible without an injected failure, nor
// cancelled when the parent let it go ahead; it must have told the parent
// why, and nothing of a change.
void EditingDriver::ExpectFailure(EditResult got, bool allowed) {
    std::string log = events_.Take();
    ++seen_[Name(got)];
    mismatch_.Holds(armed_, std::string("failed without an injected failure: ") + Name(got));
    mismatch_.Holds(got != EditResult::Cancelled || !allowed, "cancelled though the parent let it go ahead");
    const char* why = got == EditResult::NoTextSpace ? "maxtext" : got == EditResult::Cancelled ? "full" : "errspace";
    mismatch_.Holds(log.find(why) != std::string::npos, std::string(Name(got)) + " not told: " + log);
    mismatch_.Holds(log.find("change") == std::string::npos, "a failed edit told of a change: " + log);
}

void EditingDriver::ExpectEdit(const Expected& want, EditResult got) {
    switch (want.kind) {
        case Expected::Nothing: mismatch_.Same(std::string(Name(got)), "NothingChanged", "result"); return;
        case Expected::Refused: mismatch_.Same(std::string(Name(got)), "Refused", "result"); return;
        case Expected::NothingToDelete:
            mismatch_.Same(std::string(Name(got)), "NothingChanged", "result");
            mismatch_.Same(events_.Take(), "change caret*", "notifications");
            model_.redo.clear();
            model_.modified = true;
            return;
        case Expected::Edit: break;
    }
    bool allowed = events_.allowWithoutUndo;
    if (got != EditResult::Done && got != EditResult::DoneWithoutRecord) return ExpectFailure(got, allowed);
    bool withRecord = got == EditResult::Done;
    mismatch_.Holds(withRecord == want.recorded || armed_, std::string("unexpected ") + Name(got));
    // An edit made without its record tells why: a typed key's record had no
    // room, or the parent let a replacement go ahead without one.
    std::string why = withRecord || !want.recorded ? "" : want.simpleRecord ? "errspace " : "undofull ";
    mismatch_.Holds(why != "undofull " || allowed, "went ahead though the parent said no");
    mismatch_.Same(events_.Take(), why + "edited change caret*", "notifications");
    ++seen_[Name(got)];
    model_.ApplyEdit(want, withRecord);
    CompareSpan(want.start, want.end - want.start, Size(want.text));
}

void EditingDriver::ExpectStepBack(std::vector<ModelStep>& from, std::vector<ModelStep>& to, EditResult got) {
    if (from.empty()) {
        mismatch_.Same(std::string(Name(got)), "NothingChanged", "step back with an empty history");
        return;
    }
    bool allowed = &to == &model_.redo ? events_.allowWithoutRedo : events_.allowWithoutUndo;
    if (got != EditResult::Done && got != EditResult::DoneWithoutRecord) return ExpectFailure(got, allowed);
    mismatch_.Holds(got == EditResult::Done || (armed_ && allowed), "step back made without its record");
    std::string why = got == EditResult::Done ? "" : &to == &model_.redo ? "redofull " : "undofull ";
    mismatch_.Same(events_.Take(), why + "edited change caret*", "notifications");
    ++seen_[std::string("step back ") + Name(got)];
    ModelStep step = from.back();
    model_.ApplyStepBack(from, to, got == EditResult::Done);
    CompareSpan(step.start, step.end - step.start, Size(step.text));
}

// What the view is told to repaint: the edit itself, its line, and whether
// lines or rows came or went.
void EditingDriver::CompareSpan(std::uint32_t start, std::uint32_t removed, std::uint32_t inserted) {
    const EditedSpan& span = events_.lastSpan;
    mismatch_.Same(span.offset, start, "edited offset");
    mismatch_.Same(span.removed, removed, "edited bytes removed");
    mismatch_.Same(span.inserted, inserted, "edited bytes inserted");
    mismatch_.Same(span.line, ReferenceLine(model_.text, start), "edited line");
    bool changed = store_.LineCount() != linesBefore_ || store_.RowCount() != rowsBefore_;
    mismatch_.Same(span.linesChanged, changed, "lines or rows changed");
}

std::string EditingDriver::Text() {
    BufferLock lock(store_);
    return std::string(reinterpret_cast<const char*>(lock.Bytes()), store_.Length());
}

void EditingDriver::CompareWithModel() {
    std::string text = Text();
    if (!mismatch_.Same(text, model_.text, "text")) return;
    mismatch_.Same(store_.Buffer().free, SystemHeap().Size(store_.Buffer().handle) - store_.Length(), "free text");
    CompareLayout(text);
    const Selection& sel = store_.Sel();
    mismatch_.Same(std::vector{sel.start, sel.end, sel.caret, sel.anchor, store_.CaretLine(), store_.CaretColumn()},
                   std::vector{model_.selStart, model_.selEnd, model_.caret, model_.anchor, model_.CaretLine(),
                               model_.CaretColumn()},
                   "selection start, end, caret, anchor; caret line, column");
    mismatch_.Same(store_.modified, model_.modified, "modified flag");
    CompareHistory(store_.Undo(), model_.undo, "undo");
    CompareHistory(store_.Redo(), model_.redo, "redo");
    CompareQueries();
}

// Wrap off: the line table against a rebuild. Wrap on: the rows against the
// literal rules for the measurements they were broken with.
void EditingDriver::CompareLayout(const std::string& text) {
    if (!store_.WordWrap()) return CheckLineTable(mismatch_, store_.Lines(), text);
    const RowTable& rows = store_.Rows();
    WrapRules rules = store_.Rules();
    mismatch_.Same(test::TableEntries(rows), test::ReferenceRows(text, *rules.widths, rules.wrapWidth), "rows");
    mismatch_.Same(rows.last + 1, rows.count, "row count");
    mismatch_.Same(rows.blockSize - rows.free, 8 * (rows.count + 1), "used row bytes");
}

void EditingDriver::CompareHistory(UndoStore& history, const std::vector<ModelStep>& model, const char* name) {
    if (!mismatch_.Same(history.Steps(), model.size(), std::string(name) + " steps") || model.empty()) return;
    const UndoRecord& top = history.Top();
    const ModelStep& step = model.back();
    mismatch_.Same(top.start, step.start, std::string(name) + " record start");
    mismatch_.Same(top.end, step.end, std::string(name) + " record end");
    std::string recorded(reinterpret_cast<const char*>(history.LockTopText()), top.textLength);
    history.UnlockPool();
    mismatch_.Same(recorded, step.text, std::string(name) + " record text");
}

// Every line query answers from the layout in force as the model's lines do,
// and the caret's row holds the caret.
void EditingDriver::CompareQueries() {
    std::vector<std::uint32_t> entries = ReferenceEntries(model_.text);
    auto lines = static_cast<std::uint32_t>(entries.size() - 1);
    mismatch_.Same(store_.LineCount(), lines, "line count");
    for (std::uint32_t line : {0u, lines - 1, lines, choices_->Below(lines + 1)}) {
        bool inside = line < lines;
        mismatch_.Same(store_.LineIndex(line), inside ? entries[line] : kNoLine, "line index");
        mismatch_.Same(store_.LineSize(line), inside ? entries[line + 1] - entries[line] : 0, "line size");
    }
    for (std::uint32_t offset : {0u, model_.Length(), choices_->Below(model_.Length() + 1)}) {
        mismatch_.Same(store_.LineFromOffset(offset), ReferenceLine(model_.text, offset), "line from offset");
        mismatch_.Same(store_.LineTextEnd(offset), model_.LineTextEnd(offset), "line text end");
    }
    std::uint32_t row = store_.CaretRow(), caret = store_.Sel().caret;
    mismatch_.Holds(store_.RowStart(row) <= caret, "the caret's row starts after the caret");
    mismatch_.Holds(row == store_.LastRow() || store_.RowStart(row + 1) > caret, "the caret's row ends before it");
    mismatch_.Same(store_.RowColumn(), caret - store_.RowStart(row), "row column");
    if (!store_.WordWrap()) mismatch_.Same(row, store_.CaretLine(), "caret row with wrap off");
}

}  // namespace velmo::testing
