// Every allocation of a user's operation fails in turn — the first, then the
// second, and so on until the operation makes no more — in the real main
// window and control: each time the document (its bytes, name, modified flag,
// wrap mode and undo step) and its file stay as they were and the user is
// told with one of the operation's documented messages, or the operation is
// complete and nothing is said.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/memory_blocks.h"
#include "documents/document_files.h"
#include "editview/control_state.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"
#include "settings/language_library.h"
#include "test_window.h"

namespace velmo::test {
namespace {

// Long enough that every operation below needs larger blocks, with a NUL.
const std::string kDocument = Lines(20000, "ab") + std::string("\r\nnul\0end", 9);
const std::string kPasted = Lines(12000, "pasted") + "\r\n";
const std::string kOther = Lines(30000, "other") + "\r\n";

class FailureTableTest;

struct FailureCase {
    const char* name;
    void (*prepare)(FailureTableTest& test);  // before the failures are armed
    void (*act)(FailureTableTest& test);      // the user's command
    bool (*made)(FailureTableTest& test);     // the operation is complete
    std::vector<UINT> messages;               // none: the operation takes no memory
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class FailureTableTest : public MainFrameTest, public ::testing::WithParamInterface<FailureCase> {
public:
    std::string Path(const char* name) { return folder.path() + name; }
};

TEST_P(FailureTableTest, TheDocumentStaysOrTheOperationIsComplete) {
    const FailureCase& c = GetParam();
    Start();
    std::string path = Path("document.txt");
    WriteTestFile("other.txt", kOther);
    int failures = 0;
    for (unsigned n = 1;; ++n) {
        SCOPED_TRACE("allocation " + std::to_string(n));
        ASSERT_LT(n, 60u);
        if (Control().store.WordWrap()) Command(IDM_WORD_WRAP);
        WriteTestFile("document.txt", kDocument);
        ASSERT_TRUE(LoadDocument(path.c_str()));
        Edit(EM_SETSEL, 0, 0);
        c.prepare(*this);
        std::string before = Text();
        LRESULT modified = Edit(EM_GETMODIFY);
        LRESULT canUndo = Edit(EM_CANUNDO);
        std::string title = Title();
        Asked().clear();
        Answers() = {IDNO, IDNO};
        SystemHeap().FailAfter(n, 1000);  // memory runs out for good
        c.act(*this);
        bool failed = SystemHeap().FailuresMade() != 0;
        SystemHeap().FailAfter(0);
        Pump();
        // The answered save question and the count of replacements are no failure.
        std::erase_if(Asked(), [](const AskedBox& box) { return (box.type & MB_ICONMASK) != MB_ICONERROR; });
        if (c.made(*this) && Asked().empty()) {
            if (!failed) break;  // no allocation left to fail
            continue;            // one the operation could do without
        }
        ++failures;
        ASSERT_TRUE(failed) << "not made, though nothing failed";
        ASSERT_TRUE(Text() == before) << "the document changed";
        EXPECT_EQ(Title(), title);
        EXPECT_STREQ(App().documentPath, path.c_str());
        EXPECT_EQ(Edit(EM_GETMODIFY), modified);
        EXPECT_EQ(Edit(EM_CANUNDO), canUndo);
        EXPECT_FALSE(Control().store.WordWrap());
        EXPECT_FALSE(Checked(IDM_WORD_WRAP));
        EXPECT_EQ(FileBytes(path), kDocument);
        ASSERT_EQ(Asked().size(), 1u);
        std::vector<std::string> documented;
        for (UINT id : c.messages) documented.push_back(LanguageText(id));
        EXPECT_NE(std::find(documented.begin(), documented.end(), Asked()[0].text), documented.end())
            << Asked()[0].text;
    }
    if (c.messages.empty()) {
        EXPECT_EQ(failures, 0);
    } else {
        EXPECT_GT(failures, 0) << "no allocation of the operation could fail";
    }
}

void Nothing(FailureTableTest&) {}
void Edited(FailureTableTest&) { SendMessageA(App().editView, EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("edited ")); }

INSTANTIATE_TEST_SUITE_P(
    Operations, FailureTableTest,
    ::testing::Values(
        FailureCase{"OpenOverAnEditedDocument", Edited,
                    [](FailureTableTest& t) {
                        MainFrameTest::DialogChoice() = t.Path("other.txt");
                        t.Command(IDM_OPEN);  // the changes are not saved
                    },
                    [](FailureTableTest& t) { return t.Text() == kOther && t.Title() == "Velmo 2 - other.txt"; },
                    {IDS_NO_MEMORY}},
        FailureCase{"Save", Edited,  // needs no memory at all, so that work can always be saved
                    [](FailureTableTest& t) {
                        SystemHeap().FailAlways(true);
                        t.Command(IDM_SAVE);
                        SystemHeap().FailAlways(false);
                    },
                    [](FailureTableTest& t) { return FileBytes(t.Path("document.txt")) == "edited " + kDocument; },
                    {}},
        FailureCase{"Paste", [](FailureTableTest&) { OfferPlainText(App().mainWindow, kPasted); },
                    [](FailureTableTest& t) { t.Command(IDM_PASTE); },
                    [](FailureTableTest& t) { return t.Text() == kPasted + kDocument; },
                    {IDS_TEXT_FULL, IDS_NO_MEMORY, IDS_UNDO_FULL}},
        FailureCase{"ReplaceAll",
                    [](FailureTableTest& t) {
                        t.Command(IDM_REPLACE);
                        t.Fill(edt1, "ab");
                        t.Fill(edt2, "abcdefgh");
                    },
                    [](FailureTableTest& t) { t.Click(psh2); },
                    [](FailureTableTest& t) {
                        return t.Text() == Lines(20000, "abcdefgh") + kDocument.substr(79998);
                    },
                    {IDS_NO_MEMORY, IDS_UNDO_FULL}},
        FailureCase{"WordWrap", Nothing, [](FailureTableTest& t) { t.Command(IDM_WORD_WRAP); },
                    [](FailureTableTest& t) { return Control().store.WordWrap() && t.Checked(IDM_WORD_WRAP); },
                    {IDS_NO_MEMORY}},
        FailureCase{"UpperCase", [](FailureTableTest&) { SendMessageA(App().editView, EM_SETSEL, 0, 8); },
                    [](FailureTableTest& t) { t.Command(IDM_UPPER_CASE); },
                    [](FailureTableTest& t) { return t.Text() == "AB\r\nAB\r\n" + kDocument.substr(8); },
                    {IDS_NO_MEMORY}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmo::test
