// The printing layer's drawing, with each page recorded as an enhanced
// metafile instead of sent to a printer, and read back record by record.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "printing/page_drawing.h"

namespace velmo {
namespace {

struct DrawnText {
    int x;
    int y;
    std::string text;

    bool operator==(const DrawnText&) const = default;
};

using Page = std::vector<DrawnText>;

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM page) {
    if (record->iType != EMR_EXTTEXTOUTW) return 1;
    auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    auto* chars = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
    int count = static_cast<int>(text->emrtext.nChars);
    std::string bytes(count, '?');
    WideCharToMultiByte(CP_ACP, 0, chars, count, bytes.data(), count, nullptr, nullptr);
    reinterpret_cast<Page*>(page)->push_back(
        {static_cast<int>(text->emrtext.ptlReference.x), static_cast<int>(text->emrtext.ptlReference.y), bytes});
    return 1;
}

class MetafilePages : public PrinterPages {
public:
    MetafilePages(HDC reference, HFONT font, const std::string& text, const PageRect& rect, const PageFrame& frame,
                  std::int32_t lineHeight)
        : PrinterPages(nullptr, reinterpret_cast<const std::uint8_t*>(text.data()), rect, frame, lineHeight),
          reference_(reference), font_(font) {}

    bool StartPage() override {
        target_ = CreateEnhMetaFileA(reference_, nullptr, nullptr, nullptr);
        SelectObject(target_, font_);
        return target_ != nullptr;
    }
    bool EndPage() override {
        HENHMETAFILE page = CloseEnhMetaFile(target_);
        pages.emplace_back();
        EnumEnhMetaFile(nullptr, page, CollectText, &pages.back(), nullptr);
        DeleteEnhMetaFile(page);
        return true;
    }

    std::vector<Page> pages;

private:
    HDC reference_;
    HFONT font_;
};

class PrintPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = GetDC(nullptr);
        measure = CreateCompatibleDC(screen);
        LOGFONTA face{};
        face.lfHeight = -20;
        lstrcpyA(face.lfFaceName, "Courier New");
        font = CreateFontIndirectA(&face);
        SelectObject(measure, font);
        ASSERT_TRUE(MeasurePrintFont(measure, &metrics));
        ASSERT_GT(metrics.lineHeight, 0);
    }
    void TearDown() override {
        DeleteDC(measure);
        DeleteObject(font);
        ReleaseDC(nullptr, screen);
    }
    std::vector<Page> Print(const std::string& text, const PageRect& rect, unsigned copies) {
        PageFrame frame = MakePageFrame(metrics, rect);
        MetafilePages pages(screen, font, text, rect, frame, metrics.lineHeight);
        EXPECT_TRUE(PrintCopies(reinterpret_cast<const std::uint8_t*>(text.data()),
                                static_cast<std::uint32_t>(text.size()), copies, frame, pages));
        return pages.pages;
    }
    int TextWidth(const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(measure, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    HDC screen = nullptr;
    HDC measure = nullptr;
    HFONT font = nullptr;
    PrintMetrics metrics{};
};

TEST_F(PrintPagesTest, LinesGoDownTheRectangleAndOntoTheNextPage) {
    const int lh = metrics.lineHeight;
    const int tab = static_cast<int>(metrics.tabWidth);
    PageRect rect{30, 40, 30 + 40 * tab, 40 + 3 * lh + lh / 2};  // three whole lines
    std::string text("Go\tthere & back\r\nNUL\0inside\r\n\r\nfour\r\n", 37);
    std::vector<Page> pages = Print(text, rect, 2);
    const int nul = static_cast<int>(metrics.widths['N'] + metrics.widths['U'] + metrics.widths['L'] + metrics.widths[0]);
    Page first = {{30, 40, "Go"},
                  {30 + tab, 40, "there & back"},
                  {30, 40 + lh, "NUL"},
                  {30 + nul, 40 + lh, "inside"}};
    Page second = {{30, 40, "four"}};
    EXPECT_EQ(pages, (std::vector<Page>{first, second, first, second}));
}

TEST_F(PrintPagesTest, WrappedWordsStayInsideTheRectangle) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "word" + std::to_string(i) + (i % 7 == 6 ? "\t" : " ");
    PageRect rect{10, 10, 10 + TextWidth("word10 word11 w"), 10 + 100 * metrics.lineHeight};
    std::vector<Page> pages = Print(text, rect, 1);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> words;
    int lines = 0;
    int y = -1;
    for (const DrawnText& run : pages[0]) {
        EXPECT_LE(run.x + TextWidth(run.text), rect.right) << run.text;
        if (run.y != y) ++lines;
        y = run.y;
        for (std::size_t at = 0; at < run.text.size();) {
            std::size_t end = run.text.find(' ', at);
            if (end == std::string::npos) end = run.text.size();
            if (end > at) words.push_back(run.text.substr(at, end - at));
            at = end + 1;
        }
    }
    // Every word printed whole, once and in order, two or three to a line.
    std::vector<std::string> expected;
    for (int i = 0; i < 40; ++i) expected.push_back("word" + std::to_string(i));
    EXPECT_EQ(words, expected);
    EXPECT_GE(lines, 14);
    EXPECT_LE(lines, 20);
}

}  // namespace
}  // namespace velmo
