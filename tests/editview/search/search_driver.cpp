#include "search_driver.h"

#include <algorithm>
#include <cstdlib>

#include "../view/wrap_test_support.h"

namespace velmo::testing {
namespace {

// Both case forms of a letter made one when case is ignored.
std::string Folded(std::string s, bool ignoreCase) {
    if (ignoreCase) LowerInPlace(reinterpret_cast<std::uint8_t*>(s.data()), Size(s));
    return s;
}

std::uint32_t Found(std::size_t at) { return at == std::string::npos ? kNoMatch : static_cast<std::uint32_t>(at); }

}  // namespace

SearchDriver::SearchDriver() {
    if (!store_.Create()) std::abort();
    widths_ = test::UniformWidths(10);
}

SearchDriver::~SearchDriver() {
    SystemHeap().FailAfter(0);
    store_.Destroy();
}

std::string SearchDriver::Letters(std::uint32_t count) {
    static const char kLetters[] = {'a', 'A', 'b', '\r', '\n', '\xe4', '\xc4'};
    std::string s;
    for (std::uint32_t i = 0; i < count; ++i) s += kLetters[choices_->Below(sizeof kLetters)];
    return s;
}

std::uint32_t SearchDriver::Run(std::uint32_t operation, const std::string& find, const std::string& with, bool down,
                                bool ignoreCase) {
    SearchRequest request{operation, down ? 1u : 0u, ignoreCase ? 1u : 0u, find.c_str(), with.c_str()};
    return engine_.Run(request, host_);
}

// Now and then allocations from a random one on fail.
bool SearchDriver::Arm(std::uint32_t percent) {
    if (!choices_->Chance(percent)) return false;
    SystemHeap().FailAfter(1 + choices_->Below(4), 1 + choices_->Below(2));
    return true;
}

// In a fresh store, so that the histories' first growth comes up again.
void SearchDriver::NewText() {
    text_ = Letters(choices_->Below(40));
    selStart_ = selEnd_ = 0;
    store_.Destroy();
    BlockHandle block = SystemHeap().Allocate(Size(text_), true);
    std::copy(text_.begin(), text_.end(), SystemHeap().Lock(block));
    if (!store_.Create()) std::abort();
    BlockHandle empty = store_.Buffer().handle;
    if (!store_.SetText(block, Size(text_))) std::abort();
    SystemHeap().Free(empty);
    if (!store_.SetWordWrap(choices_->Chance(50), widths_, 10 * choices_->Below(8))) std::abort();
}

void SearchDriver::Select() {
    std::uint32_t a = choices_->Below(Size(text_) + 1), b = choices_->Below(Size(text_) + 1);
    store_.SetSelection(a, b);
    selStart_ = std::min(a, b);
    selEnd_ = std::max(a, b);
}

// What a find selects: forward from the selection's start, or one past it
// when it is as long as the find text; backward from its start, or from its
// end when it is neither empty nor as long as the find text.
std::uint32_t SearchDriver::ModelFind(const std::string& find, bool down, bool ignoreCase) const {
    std::string text = Folded(text_, ignoreCase), sought = Folded(find, ignoreCase);
    std::uint32_t length = Size(find), selected = selEnd_ - selStart_;
    if (down) return Found(text.find(sought, selected == length ? selStart_ + 1 : selStart_));
    std::uint32_t start = selected == 0 || selected == length ? selStart_ : selEnd_;
    return start == 0 ? kNoMatch : Found(text.rfind(sought, start - 1));
}

void SearchDriver::FindOrReplace(bool replace) {
    std::string find = Letters(1 + choices_->Below(3)), with = Letters(choices_->Below(4));
    bool down = choices_->Chance(50), ignoreCase = choices_->Chance(50);
    std::uint32_t length = Size(find), errorBefore = engine_.Error();
    bool onMatch = replace && selEnd_ - selStart_ == length &&
                   Folded(text_.substr(selStart_, length), ignoreCase) == Folded(find, ignoreCase);
    bool armed = errorBefore != kSearchNoMemory && Arm(20);  // so that a failure shows
    std::uint32_t answer = Run(replace ? SEARCH_REPLACE : SEARCH_FIND, find, with, down, ignoreCase);
    SystemHeap().FailAfter(0);
    std::string what = (replace ? "replace of '" : "find of '") + find + "'";
    if (armed && engine_.Error() == kSearchNoMemory) {
        mismatch_.Same(answer, 0u, what + " without its case copies");  // which change nothing
        return;
    }
    std::string log = events_.Take();
    if (onMatch && (log == "maxtext" || log == "errspace")) {
        // Not made: the parent has told the user why; the match stays selected.
        mismatch_.Holds(armed, what + " refused without an injected failure");
        mismatch_.Same(answer, 1u, what + " refused");
        return;
    }
    std::uint32_t match;
    if (onMatch) {
        text_.replace(selStart_, length, with);
        selEnd_ = selStart_ + Size(with);
        match = Found(Folded(text_, ignoreCase).find(Folded(find, ignoreCase), selEnd_));
    } else {
        match = ModelFind(find, down, ignoreCase);
    }
    mismatch_.Same(answer != 0, match != kNoMatch, what + " found");
    // A scan clears the error; one that cannot run leaves it.
    mismatch_.Holds(engine_.Error() == kSearchNoError || (match == kNoMatch && engine_.Error() == errorBefore),
                    what + " error");
    if (match != kNoMatch) {
        selStart_ = match;
        selEnd_ = match + length;
    }
}

void SearchDriver::ReplaceEverything() {
    std::string find = Letters(1 + choices_->Below(3)), with = Letters(choices_->Below(5));
    bool ignoreCase = choices_->Chance(50);
    std::string folded = Folded(text_, ignoreCase), sought = Folded(find, ignoreCase), replaced;
    std::uint32_t count = 0;
    std::size_t kept = 0;
    for (std::size_t at = folded.find(sought); at != std::string::npos; at = folded.find(sought, kept)) {
        replaced += text_.substr(kept, at - kept) + with;
        kept = at + find.size();
        ++count;
    }
    replaced += text_.substr(kept);
    std::uint32_t undoSteps = editor_.UndoSteps();
    int rewritten = host_.rewritten;
    bool armed = Arm(25);
    std::uint32_t answer = Run(SEARCH_REPLACE_ALL, find, with, true, ignoreCase);
    SystemHeap().FailAfter(0);
    std::string what = "replace-all of '" + find + "'";
    mismatch_.Same(host_.rewritten, rewritten + (answer != 0 ? 1 : 0), what + " shown");
    if (engine_.Error() != kSearchNoError) {
        mismatch_.Holds(armed, what + " failed without an injected failure");
        mismatch_.Same(engine_.Error(), 8u, what + " error");
        mismatch_.Same(answer, 0u, what + " count after a failure");
        mismatch_.Same(editor_.UndoSteps(), undoSteps, what + " undo steps after a failure");
        return;
    }
    if (!mismatch_.Same(answer, count, what + " count") || count == 0) return;
    std::string before = text_;
    text_ = replaced;
    selStart_ = selEnd_ = 0;
    mismatch_.Same(editor_.UndoSteps(), undoSteps + 1, what + " undo steps");
    mismatch_.Same(editor_.RedoSteps(), 0u, what + " redo steps");
    UndoReplaceAll(before);
}

// Its undo exchanges whole texts; when that fails, nothing changes.
void SearchDriver::UndoReplaceAll(const std::string& before) {
    std::uint32_t undoSteps = editor_.UndoSteps();
    bool armed = Arm(25);
    editor_.Undo();
    SystemHeap().FailAfter(0);
    std::string log = events_.Take();
    if (editor_.UndoSteps() == undoSteps) {
        mismatch_.Same(log, "errspace", "a failed undo of a replace-all");
        mismatch_.Holds(armed, "undo of a replace-all failed without an injected failure");
        return;
    }
    mismatch_.Same(editor_.RedoSteps(), 1u, "redo steps after the undo");
    mismatch_.Same(log, "edited change caret*", "undo notifications");
    mismatch_.Same(StoreText(store_), before, "undone replace-all");
    if (choices_->Chance(50)) {
        text_ = before;
    } else {
        editor_.Redo();
    }
    selEnd_ = Size(text_);  // both leave the text they put back selected
}

std::string SearchDriver::Step(Choices& choices) {
    choices_ = &choices;
    mismatch_.Clear();
    events_.Take();
    if (text_.size() > 80 || text_.empty() || choices.Chance(5)) NewText();
    std::uint32_t choice = choices.Below(10);
    if (choice < 2) {
        Select();
    } else if (choice < 6) {
        FindOrReplace(false);
    } else if (choice < 8) {
        FindOrReplace(true);
    } else {
        ReplaceEverything();
    }
    if (mismatch_.Found()) return "in '" + text_ + "': " + mismatch_.Text();
    std::string text = StoreText(store_);
    mismatch_.Same(text, text_, "text");
    mismatch_.Same(store_.Sel().start, selStart_, "selection start");
    mismatch_.Same(store_.Sel().end, selEnd_, "selection end");
    test::CheckLayout(mismatch_, store_, text);
    return mismatch_.Text();
}

}  // namespace velmo::testing
