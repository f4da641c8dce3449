#include "editing_driver.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "../view/wrap_test_support.h"
#include "editing_model.h"
#include "editview/view/char_width_table.h"
#include "recording_events.h"

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

class EditingDriver::Run {
public:
    Run() {
        if (!store_.Create()) std::abort();
        SetRandomWidths(widths_, 1);
    }
    ~Run() {
        SystemHeap().FailAfter(0);
        SystemHeap().FailAlways(false);
        store_.Destroy();
    }

    std::string Step(Choices& choices) {
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

    std::map<std::string, std::uint64_t> seen;

private:
    // Allocations fail now and then; big steps make the blocks grow, so they
    // run with failures armed more often. A layout build tries twice.
    void Arm(std::uint32_t percent, std::uint32_t failures = 2) {
        armed_ = choices_->Chance(percent);
        if (armed_) SystemHeap().FailAfter(1 + choices_->Below(2), 1 + choices_->Below(failures));
    }

    void Operate(std::uint32_t roll) {
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
        } else if (roll < 520) {  // a long line without breaks now and then wraps into many rows
            Arm(50);
            ReplaceText(10000 + choices_->Below(20000), choices_->Chance(30) ? 0 : 6);
        } else if (roll < 670) {
            ChangeSelection();
        } else if (roll < 860) {
            StepBack(roll < 780);
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
        } else if (roll < 993) {
            NewText();
        } else if (roll < 995) {  // a length no block can hold: refused before its bytes are read
            const std::uint8_t few[4] = {};
            mismatch_.Same(std::string(Name(editor_.ReplaceSelection(few, 0xFFFF0000u, true))), "NoTextSpace",
                           "result of a huge replacement");
            mismatch_.Same(events_.Take(), "maxtext", "notifications");
        } else {
            Arm(6);
            ExpectEdit(model_.Replace("", true), editor_.DeleteSelection());
        }
    }

    // Pieces of text, NUL bytes among them; line breaks make up `breaks` of 8.
    std::string RandomText(std::uint32_t pieces, std::uint32_t breaks) {
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

    void TypeKey() {
        static const std::uint8_t kKeys[] = {'a', 'b', ' ', ';', '_', '\n', 0, '\t', 0xE9, 'W', 0x7F,
                                             '\r', '\r', 8, 8, 8, 127, 127, 127};
        std::uint8_t key = kKeys[choices_->Below(std::size(kKeys))];
        bool ctrl = choices_->Chance(30);
        ExpectEdit(model_.Type(key, ctrl), editor_.Type(key, ctrl));
    }

    void ReplaceText(std::uint32_t pieces, std::uint32_t breaks) {
        bool record = !choices_->Chance(3);
        std::string text = RandomText(pieces, breaks);
        ExpectEdit(model_.Replace(text, record), editor_.ReplaceSelection(Bytes(text), Size(text), record));
    }

    // Taking back a big step makes the other history grow.
    void StepBack(bool undo) {
        std::vector<ModelStep>& from = undo ? model_.undo : model_.redo;
        Arm(!from.empty() && from.back().end - from.back().start > 10000 ? 50 : 6);
        ExpectStepBack(from, undo ? model_.redo : model_.undo, undo ? editor_.Undo() : editor_.Redo());
    }

    void ChangeSelection() {
        std::uint32_t start = choices_->Below(model_.Length() + 2);
        std::uint32_t end = choices_->Below(model_.Length() + 2);
        std::uint32_t kind = choices_->Below(10);
        if (kind == 0) {
            start = 0, end = kAll;
        } else if (kind == 1) {
            start = kAll;
        } else if (kind < 6) {
            end = start;  // mostly a bare caret, as typing leaves it
        } else if (kind == 6) {
            end = 0xFFFF;  // the last end a packed selection holds
        }
        store_.SetSelection(start, end);
        model_.SetSelection(start, end);
    }

    // Control characters shown or hidden, another font or another wrap width:
    // the rows are broken again; when that fails the old rows and measurements
    // stay.
    void ChangeMeasurements(std::uint32_t which) {
        if (which == 0) {
            bool shown = !model_.showControlChars;
            widths_.ShowControlChars(shown);
            store_.showControlChars = model_.showControlChars = shown;
        } else if (which == 1) {
            SetRandomWidths(widths_, choices_->Below(1u << 16));
        } else {
            wrapWidth_ = choices_->Below(150);
        }
        std::uint32_t beforeWidth = store_.Rules().wrapWidth;
        if (store_.Rewrap(widths_, wrapWidth_)) return;
        ++seen["rewrap failed"];
        mismatch_.Holds(armed_, "rewrap failed without an injected failure");
        mismatch_.Same(store_.Rules().wrapWidth, beforeWidth, "wrap width after a failed rewrap");
    }

    void SwitchWrap() {
        bool on = !store_.WordWrap();
        if (store_.SetWordWrap(on, widths_, wrapWidth_)) {
            mismatch_.Same(store_.WordWrap(), on, "wrap mode");
            return;
        }
        ++seen["wrap switch failed"];
        mismatch_.Holds(armed_, "wrap switch failed without an injected failure");
        mismatch_.Same(store_.WordWrap(), !on, "wrap mode after a failed switch");
    }

    // A new text as a caller hands it over: in a block with or without room
    // behind it (a length past the block is cut), through SetText or with its
    // line table as a loaded file, or no block for a new empty document; now
    // and then into a store made anew. Allocations may fail: a loaded text
    // that cannot be laid out leaves the document as it was, a set text leaves
    // an empty one, and an empty document keeps the old blocks when it cannot
    // have new ones.
    void NewText() {
        if (choices_->Chance(25)) Recreate();
        std::string text = choices_->Chance(20)   ? ""
                           : choices_->Chance(50) ? model_.text
                                                  : RandomText(choices_->Below(2000), 2);
        std::uint32_t extra = choices_->Chance(50) ? 0 : choices_->Below(70000);
        BlockHandle block = text.empty() && extra == 0 ? 0 : SystemHeap().Allocate(Size(text) + extra, true);
        if (!text.empty()) std::copy(text.begin(), text.end(), SystemHeap().Lock(block));
        bool loaded = block != 0 && choices_->Chance(50);
        LineTable lines;
        if (loaded && !BuildLineTable(SystemHeap(), SystemHeap().Lock(block), Size(text), &lines)) std::abort();
        if (block != 0) SystemHeap().Unlock(block);
        BlockHandle old = store_.Buffer().handle;
        Arm(60, 4);
        bool taken = loaded ? store_.AdoptLoaded(block, Size(text), lines)
                            : store_.SetText(block, Size(text) + (extra == 0 ? choices_->Below(3) : 0));
        bool failed = SystemHeap().FailuresMade() > 0;
        SystemHeap().FailAfter(0);
        mismatch_.Holds(taken || failed, "a new text refused without an injected failure");
        mismatch_.Holds(loaded || failed || store_.Buffer().free >= kGrowthStep, "no room behind a new text");
        ++seen[std::string(loaded ? "loaded " : "") + (taken ? "new text" : "new text refused")];
        if (loaded && !taken) {
            SystemHeap().Free(lines.handle);
            SystemHeap().Free(block);
            return;
        }
        if (block != 0) SystemHeap().Free(old);
        if (block == 0) mismatch_.Same(store_.Buffer().handle == old, failed, "old blocks kept as no new ones came");
        model_.NewText(taken ? text : "");
    }

    // The store made anew: its blocks come all or none (the leak checker sees
    // a block kept by a failed start).
    void Recreate() {
        bool wrapped = store_.WordWrap();
        store_.Destroy();
        SystemHeap().FailAfter(1 + choices_->Below(8));
        bool created = store_.Create();
        mismatch_.Same(created, SystemHeap().FailuresMade() == 0, "store made exactly when its blocks came");
        SystemHeap().FailAfter(0);
        if (!created && !store_.Create()) std::abort();
        if (!store_.SetWordWrap(wrapped, widths_, wrapWidth_)) std::abort();
        model_.NewText("");
    }

    // A failed step must not have been possible without an injected failure,
    // nor cancelled when the parent let it go ahead; it must have told the
    // parent why, and nothing of a change.
    void ExpectFailure(EditResult got, bool allowed) {
        std::string log = events_.Take();
        ++seen[Name(got)];
        mismatch_.Holds(armed_, std::string("failed without an injected failure: ") + Name(got));
        mismatch_.Holds(got != EditResult::Cancelled || !allowed, "cancelled though the parent let it go ahead");
        const char* why = got == EditResult::NoTextSpace ? "maxtext"
                          : got == EditResult::Cancelled ? "full"
                                                         : "errspace";
        mismatch_.Holds(log.find(why) != std::string::npos, std::string(Name(got)) + " not told: " + log);
        mismatch_.Holds(log.find("change") == std::string::npos, "a failed edit told of a change: " + log);
    }

    void ExpectEdit(const Expected& want, EditResult got) {
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
        // An edit made without its record tells why: a typed key's record had
        // no room, or the parent let a replacement go ahead without one.
        std::string why = withRecord || !want.recorded ? "" : want.simpleRecord ? "errspace " : "undofull ";
        mismatch_.Holds(why != "undofull " || allowed, "went ahead though the parent said no");
        mismatch_.Same(events_.Take(), why + "edited change caret*", "notifications");
        ++seen[Name(got)];
        model_.ApplyEdit(want, withRecord);
        CompareSpan(want.start, want.end - want.start, Size(want.text));
    }

    void ExpectStepBack(std::vector<ModelStep>& from, std::vector<ModelStep>& to, EditResult got) {
        if (from.empty()) {
            mismatch_.Same(std::string(Name(got)), "NothingChanged", "step back with an empty history");
            return;
        }
        bool allowed = &to == &model_.redo ? events_.allowWithoutRedo : events_.allowWithoutUndo;
        if (got != EditResult::Done && got != EditResult::DoneWithoutRecord) return ExpectFailure(got, allowed);
        mismatch_.Holds(got == EditResult::Done || (armed_ && allowed), "step back made without its record");
        std::string why = got == EditResult::Done ? "" : &to == &model_.redo ? "redofull " : "undofull ";
        mismatch_.Same(events_.Take(), why + "edited change caret*", "notifications");
        ++seen[std::string("step back ") + Name(got)];
        ModelStep step = from.back();
        model_.ApplyStepBack(from, to, got == EditResult::Done);
        CompareSpan(step.start, step.end - step.start, Size(step.text));
    }

    // What the view is told to repaint: the edit itself, its line, and
    // whether lines or rows came or went.
    void CompareSpan(std::uint32_t start, std::uint32_t removed, std::uint32_t inserted) {
        const EditedSpan& span = events_.lastSpan;
        mismatch_.Same(span.offset, start, "edited offset");
        mismatch_.Same(span.removed, removed, "edited bytes removed");
        mismatch_.Same(span.inserted, inserted, "edited bytes inserted");
        mismatch_.Same(span.line, ReferenceLine(model_.text, start), "edited line");
        bool changed = store_.LineCount() != linesBefore_ || store_.RowCount() != rowsBefore_;
        mismatch_.Same(span.linesChanged, changed, "lines or rows changed");
    }

    void CompareWithModel() {
        std::string text = StoreText(store_);
        if (!mismatch_.Same(text, model_.text, "text")) return;
        const TextBuffer& buffer = store_.Buffer();
        mismatch_.Same(buffer.free, SystemHeap().Size(buffer.handle) - store_.Length(), "free text");
        test::CheckLayout(mismatch_, store_, text);
        const Selection& sel = store_.Sel();
        mismatch_.Same(std::vector{sel.start, sel.end, sel.caret, sel.anchor, store_.CaretLine(),
                                   store_.CaretColumn(), store_.PackedSelection()},
                       std::vector{model_.selStart, model_.selEnd, model_.caret, model_.anchor, model_.CaretLine(),
                                   model_.CaretColumn(), model_.PackedSelection()},
                       "selection start, end, caret, anchor; caret line, column; packed selection");
        mismatch_.Same(store_.modified, model_.modified, "modified flag");
        CompareHistory(store_.Undo(), model_.undo, "undo");
        CompareHistory(store_.Redo(), model_.redo, "redo");
        CompareQueries();
    }

    void CompareHistory(UndoStore& history, const std::vector<ModelStep>& model, const char* name) {
        if (!mismatch_.Same(history.Steps(), model.size(), std::string(name) + " steps") || model.empty()) return;
        const UndoRecord& top = history.Top();
        const ModelStep& step = model.back();
        mismatch_.Same(top.start, step.start, std::string(name) + " record start");
        mismatch_.Same(top.end, step.end, std::string(name) + " record end");
        std::string recorded(reinterpret_cast<const char*>(history.LockTopText()), top.textLength);
        history.UnlockPool();
        mismatch_.Same(recorded, step.text, std::string(name) + " record text");
    }

    // Every line query answers from the layout in force as the model's lines
    // do, and the caret's row holds the caret.
    void CompareQueries() {
        std::vector<std::uint32_t> entries = ReferenceEntries(model_.text);
        auto lines = static_cast<std::uint32_t>(entries.size() - 1);
        mismatch_.Same(store_.LineCount(), lines, "line count");
        for (std::uint32_t line : {0u, lines - 1, lines, lines + 1, choices_->Below(lines + 1)}) {
            bool inside = line < lines;
            mismatch_.Same(store_.LineIndex(line), inside ? entries[line] : kNoLine, "line index");
            mismatch_.Same(store_.LineSize(line), inside ? entries[line + 1] - entries[line] : 0, "line size");
        }
        const std::uint32_t length = model_.Length(), rows = store_.RowCount(), caret = store_.Sel().caret;
        std::vector<std::uint32_t> checkedRows{0, rows - 1, rows};
        for (std::uint32_t offset : {0u, length, length + 2, caret, choices_->Below(length + 1)}) {
            mismatch_.Same(store_.LineFromOffset(offset), LineOfOffset(entries, offset), "line from offset");
            mismatch_.Same(store_.LineTextEnd(offset), model_.LineTextEnd(offset), "line text end");
            std::uint32_t row = store_.RowFromOffset(offset);
            mismatch_.Holds(store_.RowStart(row) <= std::min(offset, length), "an offset's row starts after it");
            mismatch_.Holds(row + 1 == rows || store_.RowStart(row + 1) > offset, "an offset's row ends before it");
            checkedRows.push_back(row);
        }
        // A row's text is its bytes less a hidden line break at its end.
        for (std::uint32_t row : checkedRows) {
            std::uint32_t end = row + 1 < rows ? store_.RowStart(row + 1) : length;
            std::uint32_t size = row < rows ? end - store_.RowStart(row) : 0;
            bool hidden = !model_.showControlChars && row + 1 < rows && size >= 2 && model_.BreakAt(end - 2);
            mismatch_.Same(store_.RowTextLength(row), hidden ? size - 2 : size, "row text length");
        }
        std::uint32_t row = store_.CaretRow();
        mismatch_.Same(row, store_.RowFromOffset(caret), "caret row");
        mismatch_.Same(store_.RowColumn(), caret - store_.RowStart(row), "row column");
        if (!store_.WordWrap()) mismatch_.Same(row, store_.CaretLine(), "caret row with wrap off");
    }

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
};

EditingDriver::EditingDriver() : run_(std::make_unique<Run>()) {}
EditingDriver::~EditingDriver() = default;
std::string EditingDriver::Step(Choices& choices) { return run_->Step(choices); }
const std::map<std::string, std::uint64_t>& EditingDriver::Seen() const { return run_->seen; }

}  // namespace velmo::testing
