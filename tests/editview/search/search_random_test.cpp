// Random finds, replaces and replace-alls on short texts of a few letters,
// so that matches overlap often, against a plain model that follows the
// rules the slow, obvious way. Replace-alls run now and then with an
// allocation set to fail: they must then change nothing and say why.
#include <gtest/gtest.h>

#include <random>

#include "search_fixture.h"

namespace velmo::testing {
namespace {

bool SameLetter(std::uint8_t text, std::uint8_t find, bool ignoreCase) {
    return text == find || (ignoreCase && (text == LatinUpper(find) || text == LatinLower(find)));
}

struct Model {
    std::string text;
    std::uint32_t selStart = 0, selEnd = 0;

    bool MatchAt(std::uint32_t at, const std::string& find, bool ignoreCase) const {
        if (at + find.size() > text.size()) return false;
        for (std::size_t i = 0; i < find.size(); ++i) {
            if (!SameLetter(static_cast<std::uint8_t>(text[at + i]), static_cast<std::uint8_t>(find[i]), ignoreCase)) {
                return false;
            }
        }
        return true;
    }
    std::uint32_t Length() const { return Size(text); }
    std::uint32_t FindFrom(std::uint32_t from, const std::string& find, bool ignoreCase) const {
        for (std::uint32_t at = from; at + find.size() <= text.size(); ++at) {
            if (MatchAt(at, find, ignoreCase)) return at;
        }
        return kNoMatch;
    }
    // What a find selects, or kNoMatch; the start rules read plainly.
    std::uint32_t Find(const std::string& find, bool down, bool ignoreCase) const {
        std::uint32_t length = Size(find), selected = selEnd - selStart;
        if (down) return FindFrom(selected == length ? selStart + 1 : selStart, find, ignoreCase);
        std::uint32_t start = selected == 0 || selected == length ? selStart : selEnd;
        for (std::uint32_t at = start; at-- > 0;) {
            if (MatchAt(at, find, ignoreCase)) return at;
        }
        return kNoMatch;
    }
    std::uint32_t ReplaceAll(const std::string& find, const std::string& with, bool ignoreCase) {
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
};

class RandomSearchTest : public SearchFixture {
protected:
    void RunSeed(std::uint64_t seed, int steps);

private:
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : static_cast<std::uint32_t>(rng_() % n); }
    std::string Letters(std::uint32_t count) {
        static const char kLetters[] = {'a', 'A', 'b', '\r', '\n', '\xe4', '\xc4'};
        std::string s;
        for (std::uint32_t i = 0; i < count; ++i) s += kLetters[Below(sizeof kLetters)];
        return s;
    }
    void Select();
    void FindOrReplace(bool replace);
    void ReplaceEverything();
    void ExpectModel();

    std::mt19937_64 rng_;
    Model model_;
};

void RandomSearchTest::Select() {
    std::uint32_t a = Below(model_.Length() + 1), b = Below(model_.Length() + 1);
    store.SetSelection(a, b);
    model_.selStart = std::min(a, b);
    model_.selEnd = std::max(a, b);
}

void RandomSearchTest::FindOrReplace(bool replace) {
    std::string find = Letters(1 + Below(3)), with = Letters(Below(4));
    bool down = Below(2) == 0, ignoreCase = Below(2) == 0;
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
    ASSERT_EQ(answer != 0, match != kNoMatch) << "find '" << find << "' in '" << model_.text << "'";
    if (match != kNoMatch) {
        model_.selStart = match;
        model_.selEnd = match + length;
    }
}

void RandomSearchTest::ReplaceEverything() {
    std::string find = Letters(1 + Below(3)), with = Letters(Below(5));
    bool ignoreCase = Below(2) == 0, armed = Below(4) == 0;
    events.allowWithoutUndo = Below(2) == 0;
    std::uint32_t stepsBefore = editor.UndoSteps();
    Model expected = model_;
    std::uint32_t count = expected.ReplaceAll(find, with, ignoreCase);
    if (armed) SystemHeap().FailAfter(1 + Below(4));
    std::uint32_t answer = Run(SEARCH_REPLACE_ALL, find, with, true, ignoreCase);
    SystemHeap().FailAfter(0);
    if (engine.Error() != kSearchNoError) {
        ASSERT_TRUE(armed) << "replace '" << find << "' in '" << model_.text << "'";
        ASSERT_TRUE(engine.Error() == kSearchNoMemory || engine.Error() == kSearchCancelled);
        ASSERT_EQ(answer, 0u);
        ASSERT_EQ(editor.UndoSteps(), stepsBefore);
        return;
    }
    ASSERT_EQ(answer, count) << "replace '" << find << "' in '" << model_.text << "'";
    if (count == 0) return;
    std::string before = model_.text;
    model_ = expected;
    model_.selStart = model_.selEnd = 0;
    if (editor.UndoSteps() == 0) return;  // went ahead without its undo step
    ASSERT_EQ(editor.UndoSteps(), stepsBefore + 1);
    armed = Below(4) == 0;
    if (armed) SystemHeap().FailAfter(1);  // the line table of the text put back, when it must grow
    editor.Undo();
    SystemHeap().FailAfter(0);
    if (editor.UndoSteps() == stepsBefore + 1) {  // refused: nothing changed
        ASSERT_TRUE(armed);
        return;
    }
    ASSERT_EQ(Text(), before);
    editor.Redo();
    model_.selEnd = model_.Length();  // a redo leaves the text it put back selected
}

void RandomSearchTest::ExpectModel() {
    ExpectDocument(model_.text);
    ASSERT_EQ(store.Sel().start, model_.selStart);
    ASSERT_EQ(store.Sel().end, model_.selEnd);
}

void RandomSearchTest::RunSeed(std::uint64_t seed, int steps) {
    rng_.seed(seed);
    model_ = Model{Letters(Below(40))};
    SetText(model_.text);
    for (int step = 0; step < steps; ++step) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
        std::uint32_t choice = Below(10);
        if (choice < 2) {
            Select();
        } else if (choice < 6) {
            FindOrReplace(false);
        } else if (choice < 8) {
            FindOrReplace(true);
        } else {
            ReplaceEverything();
        }
        if (HasFatalFailure()) return;
        ExpectModel();
        if (HasFatalFailure()) return;
        if (model_.text.size() > 80 || model_.text.empty()) {
            model_ = Model{Letters(Below(40))};
            SetText(model_.text);
        }
    }
}

TEST_F(RandomSearchTest, AgreesWithThePlainModel) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        RunSeed(seed, 3000);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace velmo::testing
