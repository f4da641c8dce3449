#include "editview/view/widest_line.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "wrap_test_support.h"

namespace velmo {
namespace {

// A text with its line table built afresh, as the edit control has it after
// an edit.
class Document {
public:
    explicit Document(std::string text) { Set(std::move(text)); }
    ~Document() { SystemHeap().Free(lines_.handle); }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    void Replace(std::uint32_t offset, std::uint32_t removed, const std::string& inserted) {
        Set(text_.substr(0, offset) + inserted + text_.substr(offset + removed));
    }
    MeasuredText Measured(const CharWidthTable& widths) const { return {lines_, test::Bytes(text_), widths}; }
    std::uint32_t Length() const { return test::Size(text_); }

private:
    void Set(std::string text) {
        text_ = std::move(text);
        SystemHeap().Free(lines_.handle);
        lines_ = LineTable{};
        if (!BuildLineTable(SystemHeap(), test::Bytes(text_), test::Size(text_), &lines_)) ADD_FAILURE();
    }
    std::string text_;
    LineTable lines_;
};

// Random edits, with breaks forming and splitting at their edges: the record
// always answers what measuring every line gives, also after several edits
// between two questions.
TEST(WidestLineTest, FollowsRandomEditsAsAFullMeasureWould) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        CharWidthTable widths = test::RandomWidths(rng);
        widths.ShowControlChars(seed % 4 == 0);
        Document document(test::RandomText(rng, 200));
        WidestLineRecord record;
        record.Measure(document.Measured(widths));
        for (int step = 0; step < 200; ++step) {
            std::uint32_t offset = rng() % (document.Length() + 1);
            std::uint32_t removed = rng() % (std::min(document.Length() - offset, 40u) + 1);
            std::string inserted = test::RandomText(rng, rng() % 3 == 0 ? 0 : rng() % 30);
            document.Replace(offset, removed, inserted);
            record.AfterEdit(document.Measured(widths), offset, test::Size(inserted));
            if (rng() % 3 != 0) continue;
            MeasuredText measured = document.Measured(widths);
            WidestLine full = FindWidestLine(measured.lines, measured.text, widths);
            WidestLine kept = record.Current(measured);
            ASSERT_EQ(kept.width, full.width) << "seed " << seed << " step " << step;
            ASSERT_EQ(FindWidestLine(measured.lines, measured.text, widths, kept.line, kept.line).width, kept.width)
                << "seed " << seed << " step " << step;
        }
    }
}

// Edits that leave the widest line as wide or wider never measure the rest.
TEST(WidestLineTest, OnlyANarrowedOrRemovedWidestLineNeedsAFullMeasure) {
    CharWidthTable widths = test::UniformWidths(10);
    Document document("short\r\n" + std::string(50, 'w') + "\r\nend");
    WidestLineRecord record;
    record.Measure(document.Measured(widths));
    document.Replace(2, 0, "typed\r\nmore");  // elsewhere, lines added
    record.AfterEdit(document.Measured(widths), 2, 11);
    document.Replace(20, 0, "x");  // the widest line grows
    record.AfterEdit(document.Measured(widths), 20, 1);
    EXPECT_TRUE(record.Known());
    EXPECT_EQ(record.Current(document.Measured(widths)).line, 2u);
    EXPECT_EQ(record.LastWidth(), 510u);
    document.Replace(20, 1, "");  // it narrows again
    record.AfterEdit(document.Measured(widths), 20, 0);
    EXPECT_FALSE(record.Known());
    EXPECT_EQ(record.Current(document.Measured(widths)).width, 500u);
    EXPECT_TRUE(record.Known());
}

}  // namespace
}  // namespace velmo
