// Printing from the main window through the real print dialogs to the
// cups-pdf printer of a CUPS scheduler that the test script runs, the PDF read
// back with poppler's pdftotext; and the same commands without any printer.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_frame_fixture.h"
#include "common/text_utils.h"
#include "resource_ids.h"

namespace velmo::test {
namespace {

// Controls of the system's dialogs.
constexpr int kCopiesEdit = 1154;      // print dialog
constexpr int kLeftMarginEdit = 1155;  // page-setup dialog
constexpr int kFontFaceBox = 1136;     // font dialog
constexpr int kFontSizeBox = 1138;
constexpr double kPointsPerMm = 72 / 25.4;
constexpr DWORD kWaitMs = 60000;

// A Unix path as this process sees it: Wine maps the root to drive Z:.
std::string DosPath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

// Polls for a minute until `find` returns a text.
template <typename Find>
std::string Await(Find find) {
    std::string found;
    WaitUntil([&] { return !(found = find()).empty(); }, kWaitMs);
    return found;
}

// Chooses an entry of one of the font dialog's lists as a user's click does.
void Choose(HWND dialog, int box, const char* entry) {
    ASSERT_NE(SendDlgItemMessageA(dialog, box, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>(entry)), CB_ERR) << entry;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(box, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, box)));
}

std::string Numbered(int from, int to, const char* lineEnd) {
    std::string lines;
    for (int i = from; i <= to; ++i) lines += "Line " + std::to_string(i) + lineEnd;
    return lines;
}

double Attribute(const std::string& element, const char* name) {
    std::size_t at = element.find(std::string(name) + "=\"");
    return at == std::string::npos ? -1 : std::atof(element.c_str() + at + std::strlen(name) + 2);
}

struct PrintCase {
    const char* name;
    std::string text;
    int copies;  // 0: the print dialog is cancelled
    std::string printed;  // one copy as pdftotext -layout reads it, a form feed after each page; "": no job
    int leftMm;  // chosen in the page-setup dialog unless 20
    int points;  // chosen in the font dialog unless 10
};

class PrintQueueTest : public MainFrameTest, public ::testing::WithParamInterface<PrintCase> {
protected:
    void SetUp() override {
        if (folder_ == nullptr) GTEST_SKIP() << "no print queue; scripts/test.sh runs one";
        MainFrameTest::SetUp();
        Start();
    }
    void TearDown() override {
        for (const std::string& pdf : produced) DeleteFileA(DosPath(pdf).c_str());
        MainFrameTest::TearDown();
    }

    // Prints the text as if saved under a fresh name, which the job carries
    // and its PDF's name holds, with `copies` asked for in the real print
    // dialog; returns the name.
    std::string Print(const std::string& text, int copies) {
        SetText(text);
        static int jobs = 0;
        // Wine reuses process ids from run to run: the time makes the name new.
        std::string job = "velmo_print_" + std::to_string(GetCurrentProcessId()) + "_" +
                          std::to_string(GetTickCount()) + "_" + std::to_string(++jobs);
        App().untitled = false;
        BoundedCopy(App().documentPath, sizeof App().documentPath, ("C:\\" + job + ".txt").c_str());
        static int asked;
        asked = copies;
        OnNextDialog([](HWND dialog) {
            SetDlgItemInt(dialog, kCopiesEdit, asked, FALSE);
            PostMessageA(dialog, WM_COMMAND, asked > 0 ? IDOK : IDCANCEL, 0);
        });
        Command(IDM_PRINT);
        EXPECT_TRUE(IsWindowEnabled(App().mainWindow));
        EXPECT_EQ(GetFocus(), App().editView);
        return job;
    }

    // The job's PDF (a Unix path) once it is written to its end, else empty.
    std::string FindPdf(const std::string& job) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(DosPath(std::string(folder_) + "/*" + job + "*.pdf").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return "";
        FindClose(search);
        std::string pdf = std::string(folder_) + "/" + found.cFileName;
        std::string bytes = FileBytes(DosPath(pdf));
        std::size_t end = bytes.find_last_not_of("\r\n ");
        return end != std::string::npos && end >= 4 && bytes.compare(end - 4, 5, "%%EOF") == 0 ? pdf : "";
    }

    std::string AwaitPdf(const std::string& job) {
        std::string pdf = Await([&] { return FindPdf(job); });
        EXPECT_NE(pdf, "") << "no PDF for " << job;
        produced.push_back(pdf);
        return pdf;
    }

    // Wine starts a Unix program without a process handle to wait on, so the
    // tool writes under a temporary name that is renamed once it succeeded.
    std::string PdfToText(const std::string& options, const std::string& pdf) {
        static int calls = 0;
        std::string out = pdf + "." + std::to_string(++calls);
        std::string command = "/bin/sh -c \"/usr/bin/pdftotext -enc Latin1 " + options + " " + pdf + " " + out +
                              ".part && mv " + out + ".part " + out + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process));
        std::string text = Await([&] {
            std::string bytes = FileBytes(DosPath(out));
            return bytes == "<missing>" ? "" : bytes;
        });
        DeleteFileA(DosPath(out).c_str());
        return text;
    }

    const char* folder_ = std::getenv("VELMO_PDF_DIR");  // where the printer puts its PDFs
    std::vector<std::string> produced;
};

TEST_P(PrintQueueTest, PrintsEveryCopyPageByPage) {
    const PrintCase& c = GetParam();
    static const PrintCase* row;
    row = &c;
    if (c.leftMm != 20) {
        OnNextDialog([](HWND dialog) {
            SetDlgItemTextA(dialog, kLeftMarginEdit, std::to_string(row->leftMm).c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(IDM_PAGE_SETUP);
        EXPECT_EQ(GetFocus(), App().editView);
    }
    if (c.points != 10) {
        OnNextDialog([](HWND dialog) {
            // The face the editing font stands for here: only the size changes.
            char face[LF_FACESIZE] = "";
            HDC screen = GetDC(nullptr);
            HGDIOBJ previous = SelectObject(screen, App().font.handle);
            GetTextFaceA(screen, sizeof face, face);
            SelectObject(screen, previous);
            ReleaseDC(nullptr, screen);
            Choose(dialog, kFontFaceBox, face);
            Choose(dialog, kFontSizeBox, std::to_string(row->points).c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(IDM_FONT);
    }
    std::string job = Print(c.text, c.copies);
    EXPECT_TRUE(Asked().empty());
    if (c.printed.empty()) {
        // Jobs arrive in order: once a later one is there, this one never will.
        AwaitPdf(Print("Printed after", 1));
        EXPECT_EQ(FindPdf(job), "");
        return;
    }
    std::string pdf = AwaitPdf(job);
    std::string expected;
    for (int copy = 0; copy < c.copies; ++copy) expected += c.printed;
    EXPECT_EQ(PdfToText("-layout", pdf), expected);
    // The first word's box, in points from the page's top left corner.
    std::string word = PdfToText("-bbox -f 1 -l 1", pdf);
    word = word.substr(0, word.find('>', word.find("<word ")));
    EXPECT_NEAR(Attribute(word, "xMin"), c.leftMm * kPointsPerMm, 0.3);
    EXPECT_GE(Attribute(word, "yMin"), 25 * kPointsPerMm - 0.3);
    EXPECT_LT(Attribute(word, "yMin"), 25 * kPointsPerMm + 10);
    EXPECT_NEAR(Attribute(word, "yMax") - Attribute(word, "yMin"), c.points, 1);
}

// Tab stops every 8 characters from each row's left edge; a NUL byte is a
// character as wide as the others; 80 characters to a row, 60 rows to a page;
// one copy after the other.
const PrintCase kCases[] = {
    {"TwoCopiesOfTwoPages",
     std::string("Go\tthere & back\r\nNUL\0inside\r\n\r\n", 30) +
         "word0 word1 word2 word3 word4 word5 word6\tword7 word8 word9 word10 word11 word12 word13\tword14 "
         "word15 word16 word17 word18 word19 word20\tword21 word22 word23 word24 word25 word26 word27\tword28 "
         "word29 word30\r\n" +
         Numbered(1, 60, "\r\n"),
     2,
     "Go      there & back\nNUL inside\n\n"
     "word0 word1 word2 word3 word4 word5 word6       word7 word8 word9 word10 word11\n"
     "word12 word13   word14 word15 word16 word17 word18 word19 word20        word21\n"
     "word22 word23 word24 word25 word26 word27       word28 word29 word30\n" +
         Numbered(1, 54, "\n") + "\f" + Numbered(55, 60, "\n") + "\f",
     20, 10},
    {"LeftMarginFromPageSetup", "Moved by page setup", 1, "Moved by page setup\n\f", 35, 10},
    {"TwelvePoints", "Sized sample", 1, "Sized sample\n\f", 20, 12},
    {"CancelledDialog", "Not printed", 0, "", 20, 10},
    {"EmptyDocument", "", 1, "", 20, 10},
};

INSTANTIATE_TEST_SUITE_P(Documents, PrintQueueTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
    ASSERT_EQ(Asked().size(), 2u);
    for (const AskedBox& box : Asked()) {
        EXPECT_EQ(box.text, LanguageText(IDS_NO_PRINTER));
        EXPECT_EQ(box.caption, LanguageText(IDS_ERROR_CAPTION));
    }
}

}  // namespace
}  // namespace velmo::test
