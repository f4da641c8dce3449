#include "editview/model/editing.h"

#include "editview/model/word_chars.h"

namespace velmo {

namespace {

constexpr std::uint8_t kLineBreak[] = {'\r', '\n'};

}  // namespace

EditResult Editor::Type(std::uint8_t code, bool ctrlHeld) {
    BufferLock lock(store_);
    switch (code) {
        case '\r': return Enter();
        case 8: return Backspace(ctrlHeld);
        case 127: return DeleteForward(ctrlHeld);
        default: return TypeByte(code);
    }
}

EditResult Editor::TypeByte(std::uint8_t byte) {
    const Selection& sel = store_.Sel();
    if (HasSelection()) return Apply({sel.start, sel.end, &byte, 1, Record::Replacement, SelectAfter::Collapsed});
    std::uint32_t caret = sel.start;
    if (InsideShownBreak(caret)) return EditResult::Refused;
    // Overwrite never takes a byte of a line break: there it inserts.
    bool overwrite = store_.overwrite && caret < store_.Length() && !IsBreakByte(caret);
    return Apply({caret, caret + (overwrite ? 1u : 0u), &byte, 1, Record::Simple, SelectAfter::Collapsed});
}

EditResult Editor::Enter() {
    const Selection& sel = store_.Sel();
    if (HasSelection()) return Apply({sel.start, sel.end, kLineBreak, 2, Record::Replacement, SelectAfter::Collapsed});
    std::uint32_t caret = sel.start;
    if (InsideShownBreak(caret)) return EditResult::Refused;
    return Apply({caret, caret, kLineBreak, 2, Record::Simple, SelectAfter::Collapsed});
}

EditResult Editor::Backspace(bool ctrlHeld) {
    const Selection& sel = store_.Sel();
    if (HasSelection()) {
        std::uint32_t start = ctrlHeld ? WordStart(sel.start) : sel.start;
        return Apply({start, sel.end, nullptr, 0, Record::Replacement, SelectAfter::Collapsed});
    }
    std::uint32_t caret = sel.start;
    if (caret == 0) return NothingToDelete();
    if (InsideShownBreak(caret)) return EditResult::Refused;
    std::uint32_t start = caret - 1;
    Record record = Record::Simple;
    if (caret >= 2 && IsBreakAt(caret - 2)) {
        start = caret - 2;
    } else if (ctrlHeld && IsWordByte(Bytes()[caret - 1])) {
        start = WordStart(caret);
        record = Record::Replacement;
    }
    return Apply({start, caret, nullptr, 0, record, SelectAfter::Collapsed});
}

EditResult Editor::DeleteForward(bool ctrlHeld) {
    const Selection& sel = store_.Sel();
    if (HasSelection()) {
        std::uint32_t end = ctrlHeld ? WordEnd(sel.end) : sel.end;
        return Apply({sel.start, end, nullptr, 0, Record::Replacement, SelectAfter::Collapsed});
    }
    std::uint32_t caret = sel.start;
    if (caret == store_.Length()) return NothingToDelete();
    if (InsideShownBreak(caret)) return EditResult::Refused;
    std::uint32_t end = caret + 1;
    Record record = Record::Simple;
    if (IsBreakAt(caret)) {
        end = caret + 2;
    } else if (ctrlHeld && IsWordByte(Bytes()[caret])) {
        end = WordEnd(caret);
        record = Record::Replacement;
    }
    return Apply({caret, end, nullptr, 0, record, SelectAfter::Collapsed});
}

// Backspace at the start and Delete at the end of the text delete nothing but
// still count as an edit of the document.
EditResult Editor::NothingToDelete() {
    store_.Redo().Clear();
    FinishEdit();
    return EditResult::NothingChanged;
}

EditResult Editor::ReplaceSelection(const std::uint8_t* text, std::uint32_t length, bool recordUndo) {
    const Selection& sel = store_.Sel();
    if (sel.start == sel.end && length == 0) return EditResult::NothingChanged;
    BufferLock lock(store_);
    return Apply({sel.start, sel.end, text, length, recordUndo ? Record::Replacement : Record::Skipped,
                  SelectAfter::Inserted});
}

EditResult Editor::Undo() {
    BufferLock lock(store_);
    return StepBack(store_.Undo(), store_.Redo(), &EditEvents::AllowWithoutRedo);
}

EditResult Editor::Redo() {
    BufferLock lock(store_);
    return StepBack(store_.Redo(), store_.Undo(), &EditEvents::AllowWithoutUndo);
}

void Editor::EmptyHistories() {
    store_.Undo().Clear();
    store_.Redo().Clear();
}

// Asks for every resource first (the history record, text room, table room)
// and changes nothing until all are there; a record that cannot be had
// empties both histories instead, since their offsets would go stale.
EditResult Editor::Apply(const Edit& edit) {
    TextChange change{edit.start, edit.end - edit.start, edit.text, edit.length};
    UndoStore& undo = store_.Undo();
    bool withRecord = edit.record != Record::Skipped && undo.Reserve(change.removed);
    if (!withRecord && edit.record == Record::Simple) events_.OutOfTableSpace();
    if (!withRecord && edit.record == Record::Replacement && !events_.AllowWithoutUndo()) {
        return EditResult::Cancelled;
    }
    EditResult room = MakeRoom(change);
    if (room != EditResult::Done) return room;
    if (withRecord) {
        undo.Push(change.start, change.start + change.inserted, Bytes() + change.start, change.removed);
        store_.Redo().Clear();
    } else {
        EmptyHistories();
    }
    Commit(change, edit.select);
    return withRecord ? EditResult::Done : EditResult::DoneWithoutRecord;
}

// Takes back the latest step of `from` and files its inverse in `to`. When
// `to` cannot take it and the parent lets the step go ahead, `to` is emptied:
// its records were made for the text as it is now.
EditResult Editor::StepBack(UndoStore& from, UndoStore& to, bool (EditEvents::*allowWithoutRecord)()) {
    if (from.Steps() == 0) return EditResult::NothingChanged;
    if (from.Top().OwnsBlock()) return ExchangeWholeText(from, to, allowWithoutRecord);
    UndoRecord step = from.Top();
    TextChange change{step.start, step.end - step.start, from.LockTopText(), step.textLength};
    bool withRecord = to.Reserve(change.removed);
    EditResult result = withRecord || (events_.*allowWithoutRecord)() ? MakeRoom(change) : EditResult::Cancelled;
    if (result == EditResult::Done) {
        if (withRecord) {
            to.Push(change.start, change.start + change.inserted, Bytes() + change.start, change.removed);
        } else {
            to.Clear();
            result = EditResult::DoneWithoutRecord;
        }
        from.Pop();
        Commit(change, SelectAfter::Inserted);
    }
    from.UnlockPool();
    return result;
}

// A step owning a whole former text: the text blocks change places, and the
// inverse step owns the text it replaced; nothing is copied.
EditResult Editor::ExchangeWholeText(UndoStore& from, UndoStore& to, bool (EditEvents::*allowWithoutRecord)()) {
    const std::uint32_t length = from.Top().textLength, removed = store_.Length();
    bool withRecord = to.Reserve(UndoStore::kBlockRecordBytes);
    if (!withRecord && !(events_.*allowWithoutRecord)()) return EditResult::Cancelled;
    BlockHandle former = store_.ExchangeText(from.TopBlock(), length);
    if (former == 0) {
        events_.OutOfTableSpace();
        return EditResult::NoTableSpace;
    }
    from.PopKeepingBlock();
    if (withRecord) {
        to.PushBlock(0, length, former, removed);
    } else {
        to.Clear();
        store_.Heap().Free(former);
    }
    store_.Sel() = Selection{0, length, length, 0, length};
    store_.PlaceCaretPosition();
    events_.TextEdited({0, 0, removed, length, true, 0, store_.LastRow()});
    FinishEdit();
    return withRecord ? EditResult::Done : EditResult::DoneWithoutRecord;
}

EditResult Editor::MakeRoom(const TextChange& change) {
    if (change.inserted > change.removed &&
        !store_.Buffer().Reserve(store_.Heap(), change.inserted - change.removed)) {
        events_.OutOfTextSpace();
        return EditResult::NoTextSpace;
    }
    if (!Layout().Prepare(store_, change)) {
        events_.OutOfTableSpace();
        return EditResult::NoTableSpace;
    }
    return EditResult::Done;
}

void Editor::Commit(const TextChange& change, SelectAfter select) {
    store_.Buffer().Replace(change.start, change.removed, change.text, change.inserted);
    std::uint32_t line = Layout().Apply(store_, change);
    std::uint32_t end = change.start + change.inserted;
    std::uint32_t anchor = select == SelectAfter::Inserted ? change.start : end;
    store_.Sel() = Selection{anchor, end, end, anchor, end};
    store_.PlaceCaretPosition();
    LayoutKeeper& layout = Layout();
    events_.TextEdited({change.start, line, change.removed, change.inserted, layout.LinesChanged(),
                        layout.FirstWrittenRow(), layout.LastWrittenRow()});
    FinishEdit();
}

void Editor::FinishEdit() {
    events_.TextChanged();
    store_.modified = true;
    events_.CaretMoved();
}

bool Editor::IsBreakAt(std::uint32_t offset) const {
    return offset + 1 < store_.Length() && Bytes()[offset] == '\r' && Bytes()[offset + 1] == '\n';
}

bool Editor::IsBreakByte(std::uint32_t offset) const {
    return IsBreakAt(offset) || (offset > 0 && IsBreakAt(offset - 1));
}

// With control characters shown the caret can stand between CR and LF; no
// single-position edit is made there.
bool Editor::InsideShownBreak(std::uint32_t offset) const {
    return store_.showControlChars && offset > 0 && IsBreakAt(offset - 1);
}

LayoutKeeper& Editor::Layout() {
    if (store_.WordWrap()) return wrapped_;
    return unwrapped_;
}

std::uint32_t Editor::WordStart(std::uint32_t offset) const {
    std::uint32_t lineStart = store_.LineIndex(store_.LineFromOffset(offset));
    while (offset > lineStart && IsWordByte(Bytes()[offset - 1])) --offset;
    return offset;
}

std::uint32_t Editor::WordEnd(std::uint32_t offset) const {
    std::uint32_t textEnd = store_.LineTextEnd(offset);
    while (offset < textEnd && IsWordByte(Bytes()[offset])) ++offset;
    return offset;
}

}  // namespace velmo
