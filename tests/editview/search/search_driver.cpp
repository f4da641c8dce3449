#include "search_driver.h"

#include <algorithm>
#include <cstdlib>

namespace velmo::testing {
namespace {

bool SameLetter(std::uint8_t text, std::uint8_t find, bool ignoreCase) {
    return text == find || (ignoreCase && (text == LatinUpper(find) || text == LatinLower(find)));
}

}  // namespace

bool SearchModel::MatchAt(std::uint32_t at, const std::string& find, bool ignoreCase) const {
    if (at + find.size() > text.size()) return false;
    for (std::size_t i = 0; i < find.size(); ++i) {
        if (!SameLetter(static_cast<std::uint8_t>(text[at + i]), static_cast<std::uint8_t>(find[i]), ignoreCase)) {
            return false;
        }
    }
    return true;
}

std::uint32_t SearchModel::FindFrom(std::uint32_t from, const std::string& find, bool ignoreCase) const {
    for (std::uint32_t at = from; at + find.size() <= text.size(); ++at) {
        if (MatchAt(at, find, ignoreCase)) return at;
    }
    return kNoMatch;
}

std::uint32_t SearchModel::Find(const std::string& find, bool down, bool ignoreCase) const {
    std::uint32_t length = Size(find), selected = selEnd - selStart;
    if (down) return FindFrom(selected == length ? selStart + 1 : selStart, find, ignoreCase);
    std::uint32_t start = selected == 0 || selected == length ? selStart : selEnd;
    for (std::uint32_t at = start; at-- > 0;) {
        if (MatchAt(at, find, ignoreCase)) return at;
    }
    return kNoMatch;
}

std::uint32_t SearchModel::ReplaceAll(const std::string& find, const std::string& with, bool ignoreCase) {
    std::string result;
    std::uint32_t count = 0;
    for (std::uint32_t at = 0; at < text.size();) {
        if (MatchAt(at, find, ignoreCase)) {
            result += with;
            at += Size(find);
            ++count;
        } else {
            result += text[at++];
        }
    }
    text = result;
    return count;
}

SearchDriver::SearchDriver() {
    if (!store_.Create()) std::abort();
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

std::string SearchDriver::Text() {
    BufferLock lock(store_);
    return std::string(reinterpret_cast<const char*>(lock.Bytes()), store_.Length());
}

void SearchDriver::NewText() {
    model_ = SearchModel{Letters(choices_->Below(40))};
    BlockHandle block = SystemHeap().Allocate(model_.Length(), true);
    std::copy(model_.text.begin(), model_.text.end(), SystemHeap().Lock(block));
    BlockHandle old = store_.Buffer().handle;
    if (!store_.SetText(block, model_.Length())) std::abort();
    SystemHeap().Free(old);
}

void SearchDriver::Select() {
    std::uint32_t a = choices_->Below(model_.Length() + 1), b = choices_->Below(model_.Length() + 1);
    store_.SetSelection(a, b);
    model_.selStart = std::min(a, b);
    model_.selEnd = std::max(a, b);
}

void SearchDriver::FindOrReplace(bool replace) {
    std::string find = Letters(1 + choices_->Below(3)), with = Letters(choices_->Below(4));
    bool down = choices_->Chance(50), ignoreCase = choices_->Chance(50);
    std::uint32_t length = Size(find);
    std::uint32_t answer = Run(replace ? SEARCH_REPLACE : SEARCH_FIND, find, with, down, ignoreCase);
    std::uint32_t match;
    if (replace && model_.selEnd - model_.selStart == length && model_.MatchAt(model_.selStart, find, ignoreCase)) {
        model_.text.replace(model_.selStart, length, with);
        model_.selEnd = model_.selStart + Size(with);
        match = model_.FindFrom(model_.selEnd, find, ignoreCase);
    } else {
        match = model_.Find(find, down, ignoreCase);
    }
    mismatch_.Same(answer != 0, match != kNoMatch, "found '" + find + "'");
    if (match != kNoMatch) {
        model_.selStart = match;
        model_.selEnd = match + length;
    }
}

void SearchDriver::ReplaceEverything() {
    std::string find = Letters(1 + choices_->Below(3)), with = Letters(choices_->Below(5));
    bool ignoreCase = choices_->Chance(50), armed = choices_->Chance(25);
    events_.allowWithoutUndo = choices_->Chance(50);
    std::uint32_t stepsBefore = editor_.UndoSteps();
    int rewritten = host_.rewritten;
    SearchModel expected = model_;
    std::uint32_t count = expected.ReplaceAll(find, with, ignoreCase);
    if (armed) SystemHeap().FailAfter(1 + choices_->Below(4));
    std::uint32_t answer = Run(SEARCH_REPLACE_ALL, find, with, true, ignoreCase);
    SystemHeap().FailAfter(0);
    std::string what = "replace-all of '" + find + "'";
    mismatch_.Same(host_.rewritten, rewritten + (answer != 0 ? 1 : 0), what + " shown");
    if (engine_.Error() != kSearchNoError) {
        mismatch_.Holds(armed, what + " failed without an injected failure");
        mismatch_.Holds(engine_.Error() == kSearchNoMemory || engine_.Error() == kSearchCancelled, what + " error");
        mismatch_.Same(answer, 0u, what + " count after a failure");
        mismatch_.Same(editor_.UndoSteps(), stepsBefore, what + " undo steps after a failure");
        return;
    }
    if (!mismatch_.Same(answer, count, what + " count") || count == 0) return;
    std::string before = model_.text;
    model_ = expected;
    model_.selStart = model_.selEnd = 0;
    if (editor_.UndoSteps() == 0) return;  // went ahead without its undo step
    mismatch_.Same(editor_.UndoSteps(), stepsBefore + 1, what + " undo steps");
    editor_.Undo();
    mismatch_.Same(Text(), before, what + " undone");
    editor_.Redo();
    model_.selEnd = model_.Length();  // a redo leaves the text it put back selected
}

std::string SearchDriver::Step(Choices& choices) {
    choices_ = &choices;
    mismatch_.Clear();
    if (model_.text.size() > 80 || model_.text.empty()) NewText();
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
    if (mismatch_.Found()) return "in '" + model_.text + "': " + mismatch_.Text();
    std::string text = Text();
    mismatch_.Same(text, model_.text, "text");
    mismatch_.Same(store_.Sel().start, model_.selStart, "selection start");
    mismatch_.Same(store_.Sel().end, model_.selEnd, "selection end");
    CheckLineTable(mismatch_, store_.Lines(), text);
    return mismatch_.Text();
}

}  // namespace velmo::testing
