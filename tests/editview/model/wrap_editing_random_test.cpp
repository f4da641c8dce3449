// Word wrap must not change what an edit does, only how the layout follows.
// The same random operations go to an editor with wrap off and one with wrap
// on; after every step both documents, histories, selections, carets and
// notifications must agree, the wrap-on rows must equal rows built from
// scratch for the same text and widths, and every line query must answer
// alike in both modes.
//
// VELMO_SEED (first seed, default 1), VELMO_SEEDS (default 2) and
// VELMO_RANDOM_OPS (operations per seed, default 3000) make longer runs.
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "../view/wrap_test_support.h"
#include "editing_fixture.h"
#include "editview/view/row_table_builder.h"

namespace velmo::testing {
namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// One store with its editor and notification log.
struct Side {
    Side() { EXPECT_TRUE(store.Create()); }
    ~Side() { store.Destroy(); }
    Side(const Side&) = delete;
    Side& operator=(const Side&) = delete;

    std::string Text() {
        std::string s(reinterpret_cast<char*>(store.Buffer().Lock(SystemHeap())), store.Length());
        store.Buffer().Unlock(SystemHeap());
        return s;
    }

    TextStore store{SystemHeap()};
    RecordingEvents events{store};
    Editor editor{store, events};
};

// The bytes each of the view's rows shows.
std::vector<std::string> RowTexts(Side& side) {
    const std::string text = side.Text();
    const TextStore& store = side.store;
    std::vector<std::string> rows;
    for (std::uint32_t row = 0; row < store.RowCount(); ++row) {
        std::uint32_t start = store.RowStart(row);
        std::uint32_t end = row < store.LastRow() ? store.RowStart(row + 1) : store.Length();
        rows.push_back(text.substr(start, end - start));
    }
    return rows;
}

// The rows an edit says it wrote are all the view must paint again: the
// rows before them show what they showed, and unless rows were added or
// removed, so do the rows after them.
void ExpectSpanCovers(const std::vector<std::string>& before, Side& side) {
    const EditedSpan& span = side.events.lastSpan;
    const std::vector<std::string> after = RowTexts(side);
    for (std::uint32_t row = 0; row < span.firstRow && row < before.size(); ++row) {
        ASSERT_EQ(after.at(row), before[row]) << "row " << row;
    }
    if (span.linesChanged) return;
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t row = span.lastRow + std::size_t{1}; row < after.size(); ++row) {
        ASSERT_EQ(after[row], before[row]) << "row " << row;
    }
}

class WrapEditingRandomTest : public ::testing::Test {
protected:
    void TearDown() override { SystemHeap().FailAfter(0); }
    void Run(std::uint64_t seed, std::uint64_t ops);

private:
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : static_cast<std::uint32_t>(rng_() % n); }
    void Step();
    void Both(EditResult (*op)(Side&, const std::string&, std::uint32_t), const std::string& arg = "",
              std::uint32_t n = 0);
    void ChangeMeasurements();
    void ExpectAlike();
    void ExpectRowsAsRebuilt();
    void ExpectQueriesAlike();
    void ExpectHistoryAlike(const UndoStore& a, const UndoStore& b);

    std::mt19937 rng_;
    Side off_, on_;
    std::vector<std::string> rowsBefore_[2];  // off, on
    CharWidthTable widths_;
    std::uint32_t wrapWidth_ = 60;
};

void WrapEditingRandomTest::Run(std::uint64_t seed, std::uint64_t ops) {
    rng_.seed(static_cast<unsigned>(seed));
    widths_ = test::RandomWidths(rng_);
    wrapWidth_ = 20 + Below(100);
    ASSERT_TRUE(on_.store.SetWordWrap(true, widths_, wrapWidth_));
    ASSERT_TRUE(on_.store.Rewrap(widths_, wrapWidth_));  // a later seed finds wrap on already
    for (std::uint64_t i = 0; i < ops && !HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(i));
        rowsBefore_[0] = RowTexts(off_);
        rowsBefore_[1] = RowTexts(on_);
        Step();
        ExpectAlike();
    }
}

void WrapEditingRandomTest::Both(EditResult (*op)(Side&, const std::string&, std::uint32_t), const std::string& arg,
                                 std::uint32_t n) {
    EditResult off = op(off_, arg, n);
    EditResult on = op(on_, arg, n);
    ASSERT_EQ(static_cast<int>(off), static_cast<int>(on));
}

void WrapEditingRandomTest::Step() {
    static const std::uint8_t kKeys[] = {'a', 'W', ' ', '\t', '\n', 0, 0x7F, '\r', '\r', 8, 8, 8, 127, 127};
    std::uint32_t roll = Below(100);
    if (roll < 45) {
        std::uint32_t key = kKeys[Below(std::size(kKeys))] | (Below(4) == 0 ? 0x100u : 0u);  // Ctrl now and then
        Both([](Side& s, const std::string&, std::uint32_t k) {
            return s.editor.Type(static_cast<std::uint8_t>(k), k > 0xFF);
        }, "", key);
    } else if (roll < 60) {
        std::string text = test::RandomText(rng_, Below(4) == 0 ? Below(400) : Below(12));
        if (off_.store.Length() > 4000) text.clear();  // keep the text small enough to check quickly
        Both([](Side& s, const std::string& t, std::uint32_t record) {
            return s.editor.ReplaceSelection(Bytes(t), Size(t), record != 0);
        }, text, Below(20) != 0);
    } else if (roll < 75) {
        std::uint32_t start = Below(off_.store.Length() + 2), end = Below(4) == 0 ? Below(off_.store.Length() + 2) : start;
        off_.store.SetSelection(start, end);
        on_.store.SetSelection(start, end);
    } else if (roll < 85) {
        Both([](Side& s, const std::string&, std::uint32_t) { return s.editor.Undo(); });
    } else if (roll < 92) {
        Both([](Side& s, const std::string&, std::uint32_t) { return s.editor.Redo(); });
    } else if (roll < 95) {
        off_.store.overwrite = on_.store.overwrite = !off_.store.overwrite;
    } else {
        ChangeMeasurements();
    }
}

// Control characters shown or hidden, or another wrap width: the rows are
// broken again for the new measurements.
void WrapEditingRandomTest::ChangeMeasurements() {
    if (Below(2) == 0) {
        bool shown = !off_.store.showControlChars;
        widths_.ShowControlChars(shown);
        off_.store.showControlChars = on_.store.showControlChars = shown;
    } else {
        wrapWidth_ = Below(150);
    }
    ASSERT_TRUE(on_.store.Rewrap(widths_, wrapWidth_));
}

void WrapEditingRandomTest::ExpectAlike() {
    std::string text = off_.Text();
    ASSERT_EQ(on_.Text(), text);
    const std::string log = off_.events.Take();
    ASSERT_EQ(on_.events.Take(), log);
    if (log.find("edited") != std::string::npos) {
        ExpectSpanCovers(rowsBefore_[0], off_);
        ExpectSpanCovers(rowsBefore_[1], on_);
    }
    const Selection& a = off_.store.Sel();
    const Selection& b = on_.store.Sel();
    ASSERT_EQ(std::vector<std::uint32_t>({a.start, a.end, a.caret, a.anchor}),
              std::vector<std::uint32_t>({b.start, b.end, b.caret, b.anchor}));
    ASSERT_EQ(on_.store.modified, off_.store.modified);
    ASSERT_EQ(on_.store.CaretLine(), off_.store.CaretLine());
    ASSERT_EQ(on_.store.CaretColumn(), off_.store.CaretColumn());
    ExpectHistoryAlike(off_.store.Undo(), on_.store.Undo());
    ExpectHistoryAlike(off_.store.Redo(), on_.store.Redo());
    ExpectRowsAsRebuilt();
    ExpectQueriesAlike();
}

void WrapEditingRandomTest::ExpectHistoryAlike(const UndoStore& a, const UndoStore& b) {
    ASSERT_EQ(b.Steps(), a.Steps());
    if (a.Steps() == 0) return;
    ASSERT_EQ(b.Top().start, a.Top().start);
    ASSERT_EQ(b.Top().end, a.Top().end);
    ASSERT_EQ(b.Top().textLength, a.Top().textLength);
}

void WrapEditingRandomTest::ExpectRowsAsRebuilt() {
    std::string text = on_.Text();
    RowTable fresh;
    ASSERT_TRUE(BuildRowTable(SystemHeap(), Bytes(text), Size(text), WrapRules{&widths_, wrapWidth_}, &fresh));
    std::vector<RowEntry> expected = test::TableEntries(fresh);
    SystemHeap().Free(fresh.handle);
    const RowTable& rows = on_.store.Rows();
    ASSERT_EQ(test::TableEntries(rows), expected);
    ASSERT_EQ(rows.last + 1, rows.count);
    ASSERT_EQ(rows.blockSize - rows.free, 8 * (rows.count + 1));
}

void WrapEditingRandomTest::ExpectQueriesAlike() {
    const TextStore& off = off_.store;
    const TextStore& on = on_.store;
    ASSERT_EQ(on.LineCount(), off.LineCount());
    std::uint32_t lines = off.LineCount();
    for (std::uint32_t line : {0u, lines - 1, lines, Below(lines + 1)}) {
        ASSERT_EQ(on.LineIndex(line), off.LineIndex(line)) << line;
        ASSERT_EQ(on.LineSize(line), off.LineSize(line)) << line;
    }
    for (std::uint32_t offset : {0u, off.Length(), Below(off.Length() + 1)}) {
        ASSERT_EQ(on.LineFromOffset(offset), off.LineFromOffset(offset)) << offset;
        ASSERT_EQ(on.LineTextEnd(offset), off.LineTextEnd(offset)) << offset;
    }
    // The caret's row holds the caret, and its row column counts from there.
    std::uint32_t row = on.CaretRow();
    ASSERT_LE(on.RowStart(row), on.Sel().caret);
    ASSERT_TRUE(row == on.LastRow() || on.RowStart(row + 1) > on.Sel().caret);
    ASSERT_EQ(on.RowColumn(), on.Sel().caret - on.RowStart(row));
    ASSERT_EQ(off.CaretRow(), off.CaretLine());
}

TEST_F(WrapEditingRandomTest, BothModesEditAlikeAndRowsMatchARebuild) {
    std::uint64_t first = EnvNumber("VELMO_SEED", 1);
    std::uint64_t seeds = EnvNumber("VELMO_SEEDS", 2);
    std::uint64_t ops = EnvNumber("VELMO_RANDOM_OPS", 3000);
    for (std::uint64_t seed = first; seed < first + seeds && !HasFailure(); ++seed) Run(seed, ops);
}

}  // namespace
}  // namespace velmo::testing
