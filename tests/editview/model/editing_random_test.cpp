// Random operations applied to the editor and to a plain model side by side;
// after every step the bytes, the whole line table (against a rebuild), the
// selection, the flags and both step counts must agree. Some steps run with
// allocations set to fail; the model then expects either the whole edit or
// nothing at all, as the editor's answer says, and checks that answer.
//
// VELMO_SEED (first seed, default 1), VELMO_SEEDS (how many, default 3) and
// VELMO_RANDOM_OPS (operations per seed, default 4000) make longer runs.
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>

#include "editing_fixture.h"
#include "editing_model.h"

namespace velmo::testing {
namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

const char* Name(EditResult result) {
    switch (result) {
        case EditResult::Done: return "Done";
        case EditResult::DoneWithoutRecord: return "DoneWithoutRecord";
        case EditResult::NothingChanged: return "NothingChanged";
        case EditResult::Refused: return "Refused";
        case EditResult::Cancelled: return "Cancelled";
        case EditResult::NoTextSpace: return "NoTextSpace";
        case EditResult::NoTableSpace: return "NoTableSpace";
    }
    return "?";
}

class RandomEditingTest : public EditingFixture {
protected:
    void Run(std::uint64_t seed, std::uint64_t ops);
    std::map<std::string, std::uint64_t> seen_;  // how often each outcome came

private:
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : static_cast<std::uint32_t>(rng_() % n); }
    bool Chance(std::uint32_t percent) { return Below(1000) < percent * 10; }
    std::string RandomText(std::uint32_t maxPieces);
    void ArmFailures(std::uint32_t percent);
    void Step();
    void ChangeSelection();
    void Reopen();
    void TypeKey();
    void ExpectEdit(const Expected& want, EditResult got);
    void ExpectStepBack(std::vector<ModelStep>& from, std::vector<ModelStep>& to, EditResult got);
    void ExpectFailure(EditResult got, bool simpleRecord);
    void ExpectSameAsModel();

    std::mt19937_64 rng_;
    EditingModel model_;
    bool armed_ = false;  // allocations may fail during this step
};

// Pieces of text, NUL bytes among them; line breaks make up `breaks` of 8.
std::string RandomText(std::mt19937_64& rng, std::uint32_t pieces, std::uint32_t breaks = 1) {
    static const char* const kPieces[] = {"a", "b", " ", "\r", "\n", "x;", "_y"};
    std::string text;
    for (std::uint32_t i = 0; i < pieces; ++i) {
        if (rng() % 8 < breaks) {
            text += "\r\n";
        } else if (rng() % 10 == 0) {
            text += '\0';
        } else {
            text += kPieces[rng() % std::size(kPieces)];
        }
    }
    return text;
}

std::string RandomEditingTest::RandomText(std::uint32_t maxPieces) {
    return testing::RandomText(rng_, Below(maxPieces + 1));
}

void RandomEditingTest::Run(std::uint64_t seed, std::uint64_t ops) {
    rng_.seed(seed);
    model_ = EditingModel{};
    for (std::uint64_t i = 0; i < ops && !HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(i));
        events.allowWithoutUndo = Chance(50);
        events.allowWithoutRedo = Chance(50);
        events.Take();
        Step();
        SystemHeap().FailAfter(0);
        ExpectSameAsModel();
    }
}

// Big steps make the blocks grow, so they run with failures armed more often.
void RandomEditingTest::ArmFailures(std::uint32_t percent) {
    armed_ = Chance(percent);
    if (armed_) SystemHeap().FailAfter(1 + Below(2), 1 + Below(2));
}

void RandomEditingTest::Step() {
    std::uint32_t roll = Below(1000);
    bool big = (model_.Length() > 60000 && roll < 300) || (roll >= 540 && roll < 545);
    ArmFailures(big ? 50 : 6);
    if (model_.Length() > 60000 && roll < 300) {  // keep the text small enough to check quickly
        store.SetSelection(0, 0xFFFFFFFFu);
        model_.SetSelection(0, 0xFFFFFFFFu);
        ExpectEdit(model_.Replace("", true), editor.DeleteSelection());
    } else if (roll < 420) {
        TypeKey();
    } else if (roll < 540) {
        bool record = !Chance(3);
        std::string text = roll < 545 ? testing::RandomText(rng_, 10000 + Below(20000), 6) : RandomText(6);
        ExpectEdit(model_.Replace(text, record), Replace(text, record));
    } else if (roll < 700) {
        ChangeSelection();
    } else if (roll < 820) {
        ExpectStepBack(model_.undo, model_.redo, editor.Undo());
    } else if (roll < 900) {
        ExpectStepBack(model_.redo, model_.undo, editor.Redo());
    } else if (roll < 960) {
        store.overwrite = model_.overwrite = !model_.overwrite;
    } else if (roll < 985) {
        store.showControlChars = model_.showControlChars = !model_.showControlChars;
    } else if (roll < 988) {
        editor.EmptyHistories();
        model_.undo.clear();
        model_.redo.clear();
    } else if (roll < 992) {
        Reopen();
    } else {
        ExpectEdit(model_.Replace("", true), editor.DeleteSelection());
    }
}

// Fresh blocks with the text as it stands, so that growth comes up again.
void RandomEditingTest::Reopen() {
    SystemHeap().FailAfter(0);
    store.Destroy();
    ASSERT_TRUE(store.Create());
    bool overwrite = store.overwrite, shown = store.showControlChars;
    SetText(model_.text);
    store.overwrite = overwrite;
    store.showControlChars = shown;
    model_.undo.clear();
    model_.redo.clear();
    model_.selStart = model_.selEnd = model_.caret = model_.anchor = 0;
    model_.modified = false;
}

void RandomEditingTest::ChangeSelection() {
    std::uint32_t start = Below(model_.Length() + 2);
    std::uint32_t end = Below(model_.Length() + 2);
    std::uint32_t kind = Below(10);
    if (kind == 0) {
        start = 0, end = 0xFFFFFFFFu;
    } else if (kind == 1) {
        start = 0xFFFFFFFFu;
    } else if (kind < 6) {
        end = start;  // mostly a bare caret, as typing leaves it
    }
    store.SetSelection(start, end);
    model_.SetSelection(start, end);
}

void RandomEditingTest::TypeKey() {
    static const std::uint8_t kKeys[] = {'a', 'b', ' ', ';', '_', '\n', 0, '\t', 0xE9, '\r', '\r', 8, 8, 8, 127, 127, 127};
    std::uint8_t key = kKeys[Below(std::size(kKeys))];
    bool ctrl = Chance(30);
    ExpectEdit(model_.Type(key, ctrl), editor.Type(key, ctrl));
}

// A failed step must not have been possible without an injected failure or
// an IDNO answer, and must have changed nothing.
void RandomEditingTest::ExpectFailure(EditResult got, bool simpleRecord) {
    std::string log = events.Take();
    ++seen_[Name(got)];
    ASSERT_TRUE(armed_) << Name(got);
    ASSERT_EQ(log.find("change"), std::string::npos) << log;
    if (got == EditResult::Cancelled) {
        ASSERT_FALSE(simpleRecord);
    }
}

void RandomEditingTest::ExpectEdit(const Expected& want, EditResult got) {
    switch (want.kind) {
        case Expected::Nothing: ASSERT_EQ(got, EditResult::NothingChanged); return;
        case Expected::Refused: ASSERT_EQ(got, EditResult::Refused); return;
        case Expected::NothingToDelete:
            ASSERT_EQ(got, EditResult::NothingChanged);
            ASSERT_EQ(events.Take(), "change caret*");
            model_.redo.clear();
            model_.modified = true;
            return;
        case Expected::Edit: break;
    }
    if (got == EditResult::Done || got == EditResult::DoneWithoutRecord) {
        bool withRecord = got == EditResult::Done;
        ASSERT_TRUE(withRecord == want.recorded || armed_) << Name(got);
        std::string log = events.Take();
        ++seen_[Name(got)];
        ASSERT_EQ(log.substr(log.size() < 20 ? 0 : log.size() - 20), "edited change caret*");
        model_.ApplyEdit(want, withRecord);
        return;
    }
    ExpectFailure(got, want.simpleRecord);
}

void RandomEditingTest::ExpectStepBack(std::vector<ModelStep>& from, std::vector<ModelStep>& to, EditResult got) {
    if (from.empty()) {
        ASSERT_EQ(got, EditResult::NothingChanged);
        return;
    }
    if (got == EditResult::Done || got == EditResult::DoneWithoutRecord) {
        ASSERT_TRUE(got == EditResult::Done || armed_);
        events.Take();
        ++seen_[std::string("step back ") + Name(got)];
        model_.ApplyStepBack(from, to, got == EditResult::Done);
        return;
    }
    ExpectFailure(got, false);
}

void RandomEditingTest::ExpectSameAsModel() {
    ExpectDocument(model_.text);
    ASSERT_EQ(store.Sel().start, model_.selStart);
    ASSERT_EQ(store.Sel().end, model_.selEnd);
    ASSERT_EQ(store.Sel().caret, model_.caret);
    ASSERT_EQ(store.Sel().anchor, model_.anchor);
    ASSERT_EQ(store.CaretLine(), model_.CaretLine());
    ASSERT_EQ(store.CaretColumn(), model_.CaretColumn());
    ASSERT_EQ(store.modified, model_.modified);
    ASSERT_EQ(editor.UndoSteps(), model_.undo.size());
    ASSERT_EQ(editor.RedoSteps(), model_.redo.size());
}

TEST_F(RandomEditingTest, AgreesWithPlainModel) {
    std::uint64_t first = EnvNumber("VELMO_SEED", 1);
    std::uint64_t seeds = EnvNumber("VELMO_SEEDS", 3);
    std::uint64_t ops = EnvNumber("VELMO_RANDOM_OPS", 4000);
    for (std::uint64_t seed = first; seed < first + seeds && !HasFailure(); ++seed) {
        SetText("");
        store.overwrite = store.showControlChars = false;
        Run(seed, ops);
    }
    std::cout << "[ stats    ]";
    for (const auto& [name, count] : seen_) std::cout << ' ' << name << '=' << count;
    std::cout << '\n';
}

}  // namespace
}  // namespace velmo::testing
