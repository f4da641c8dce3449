// Printing from the main window through the real print dialogs to the
// cups-pdf printer of a CUPS scheduler that the test script runs, and the
// same commands without any printer.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "common/text_utils.h"
#include "app/main_frame_fixture.h"
#include "printed_pdf.h"
#include "resource_ids.h"
#include "settings/language_library.h"

namespace velmo::test {
namespace {

// Controls of the system's dialogs.
constexpr int kCopiesEdit = 1154;      // print dialog
constexpr int kLeftMarginEdit = 1155;  // page-setup dialog
constexpr int kFontFaceBox = 1136;     // font dialog
constexpr int kFontSizeBox = 1138;
constexpr double kPointsPerMm = 72 / 25.4;

std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = page.find('\n', at)) != std::string::npos; at = end + 1) {
        if (end > at) lines.push_back(page.substr(at, end - at));
    }
    if (at < page.size()) lines.push_back(page.substr(at));
    return lines;
}

class PrintQueueTest : public MainFrameTest {
protected:
    void SetUp() override {
        if (PdfFolder().empty()) GTEST_SKIP() << "no print queue; scripts/test.sh runs one";
        MainFrameTest::SetUp();
        Start();
    }
    void TearDown() override {
        for (const std::string& pdf : produced) RemovePdf(pdf);
        MainFrameTest::TearDown();
    }

    // The document, as if saved under a fresh name that the job carries.
    std::string Document(const std::string& text) {
        SetText(text);
        job = NewJobName();
        App().untitled = false;
        BoundedCopy(App().documentPath, sizeof App().documentPath, ("C:\\" + job + ".txt").c_str());
        return job;
    }

    // Print, with `copies` asked for in the real print dialog.
    void Print(int copies) {
        static int asked;
        asked = copies;
        OnNextDialog([](HWND dialog) {
            SetDlgItemInt(dialog, kCopiesEdit, asked, FALSE);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(IDM_PRINT);
        EXPECT_TRUE(IsWindowEnabled(App().mainWindow));
        EXPECT_EQ(GetFocus(), App().editView);
    }

    std::vector<std::string> PrintedPages() {
        pdf = WaitForPdf(job);
        if (pdf.empty()) {
            ADD_FAILURE() << "no PDF for " << job;
            return {};
        }
        produced.push_back(pdf);
        return PdfPageTexts(pdf);
    }

    PdfWord FirstWord() {
        std::vector<PdfWord> words = PdfWords(pdf, 1);
        if (words.empty()) {
            ADD_FAILURE() << "no words on page 1 of " << pdf;
            return {};
        }
        return words[0];
    }

    std::string job;
    std::string pdf;
    std::vector<std::string> produced;
};

TEST_F(PrintQueueTest, OneLineGivesOnePagePerCopyInsideTheMargins) {
    Document("A single short line");
    Print(2);
    std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 2u);
    for (const std::string& page : pages) EXPECT_EQ(Lines(page), std::vector<std::string>{"A single short line"});
    PdfWord first = FirstWord();
    EXPECT_NEAR(first.xMin, 20 * kPointsPerMm, 0.3);
    EXPECT_GE(first.yMin, 25 * kPointsPerMm - 0.3);
    EXPECT_LT(first.yMin, 25 * kPointsPerMm + 10);
    EXPECT_TRUE(Asked().empty());
}

TEST_F(PrintQueueTest, CopiesOfATwoPageDocumentComeInPageOrder) {
    std::string text;
    std::vector<std::string> lines;
    for (int i = 1; i <= 70; ++i) {
        lines.push_back("Line " + std::to_string(i));
        text += lines.back() + "\r\n";
    }
    Document(text);
    Print(3);
    std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 6u);
    for (int copy = 1; copy < 3; ++copy) {
        EXPECT_EQ(pages[2 * copy], pages[0]) << "copy " << copy + 1;
        EXPECT_EQ(pages[2 * copy + 1], pages[1]) << "copy " << copy + 1;
    }
    std::vector<std::string> printed = Lines(pages[0]);
    std::vector<std::string> second = Lines(pages[1]);
    EXPECT_GT(printed.size(), second.size());
    printed.insert(printed.end(), second.begin(), second.end());
    EXPECT_EQ(printed, lines);
}

TEST_F(PrintQueueTest, PageSetupMarginsMoveTheTextInThisRun) {
    OnNextDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, kLeftMarginEdit, "35");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(IDM_PAGE_SETUP);
    EXPECT_EQ(App().pageSetup.rtMargin.left, 3500);
    EXPECT_EQ(App().pageSetup.rtMargin.top, 2500);
    EXPECT_EQ(GetFocus(), App().editView);
    Document("Moved by page setup");
    Print(1);
    ASSERT_EQ(PrintedPages().size(), 1u);
    EXPECT_NEAR(FirstWord().xMin, 35 * kPointsPerMm, 0.3);
}

// Chooses an entry of one of the font dialog's lists as a user's click does.
void ChooseInList(HWND dialog, int box, const char* entry) {
    HWND list = GetDlgItem(dialog, box);
    LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
    ASSERT_NE(index, CB_ERR) << entry;
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(box, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

TEST_F(PrintQueueTest, PrintsAtTheSizeLastChosenInTheFontDialog) {
    const std::string sample = "Sized sample";
    Document(sample);
    Print(1);
    ASSERT_EQ(PrintedPages().size(), 1u);
    PdfWord tenPoints = FirstWord();
    // The face the editing font stands for here, kept so that only the size
    // differs between the two prints.
    static char face[LF_FACESIZE];
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, App().font.handle);
    GetTextFaceA(screen, sizeof face, face);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    OnNextDialog([](HWND dialog) {
        ChooseInList(dialog, kFontFaceBox, face);
        ChooseInList(dialog, kFontSizeBox, "12");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(IDM_FONT);
    ASSERT_EQ(App().font.printPointSize, 120);
    Document(sample);
    Print(1);
    ASSERT_EQ(PrintedPages().size(), 1u);
    PdfWord twelvePoints = FirstWord();
    // Font heights of -41 and -50 pixels at 300 dpi.
    EXPECT_NEAR((twelvePoints.xMax - twelvePoints.xMin) / (tenPoints.xMax - tenPoints.xMin), 50.0 / 41, 0.03);
    EXPECT_NEAR(twelvePoints.yMax - twelvePoints.yMin, 12, 1);
    EXPECT_NEAR(tenPoints.yMax - tenPoints.yMin, 10, 1);
}

TEST_F(PrintQueueTest, NulBytesDoNotEndThePrint) {
    Document(std::string("before\0after\r\nthe second line", 29));
    Print(1);
    std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> lines = Lines(pages[0]);
    ASSERT_EQ(lines.size(), 2u) << pages[0];
    EXPECT_EQ(lines[0].substr(0, 6), "before");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 5), "after");
    EXPECT_EQ(lines[1], "the second line");
}

TEST_F(PrintQueueTest, ACancelledDialogOrAnEmptyDocumentPrintsNothing) {
    std::string cancelled = Document("Not printed");
    OnNextDialog([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    Command(IDM_PRINT);
    std::string empty = Document("");
    Print(1);
    // Jobs arrive in order: once a later one is there, the others never will.
    Document("Printed after the others");
    Print(1);
    EXPECT_EQ(PrintedPages().size(), 1u);
    EXPECT_FALSE(PdfArrived(cancelled));
    EXPECT_FALSE(PdfArrived(empty));
    EXPECT_TRUE(Asked().empty());
}

class NoPrinterTest : public MainFrameTest {
protected:
    void SetUp() override {
        if (std::getenv("VELMO_EXPECT_NO_PRINTER") == nullptr) GTEST_SKIP() << "runs with CUPS out of reach";
        MainFrameTest::SetUp();
        Start();
    }
};

TEST_F(NoPrinterTest, PrintAndPageSetupSayThereIsNoPrinter) {
    SetText("Some text");
    static bool dialogShown;
    for (unsigned command : {IDM_PRINT, IDM_PAGE_SETUP}) {
        dialogShown = false;
        OnNextDialog([](HWND dialog) {
            dialogShown = true;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        Command(command);
        EXPECT_FALSE(dialogShown) << command;
        EXPECT_TRUE(IsWindowEnabled(App().mainWindow));
    }
    char text[300];
    char caption[100];
    ASSERT_TRUE(LoadLanguageString(IDS_NO_PRINTER, text, sizeof text));
    ASSERT_TRUE(LoadLanguageString(IDS_ERROR_CAPTION, caption, sizeof caption));
    ASSERT_EQ(Asked().size(), 2u);
    for (const AskedBox& box : Asked()) {
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
    }
}

}  // namespace
}  // namespace velmo::test
