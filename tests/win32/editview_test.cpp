// EditView's message interface, driven as the application drives it: answers
// that overflow, direct calls, settings that answer their old value, creation
// limits, and editing where it meets its limits and the system (a text that
// cannot grow, a full undo history, a fault, files, replace-all, the user's
// code page). The random driver in control_model_test.cpp holds the plain
// editing, adopted blocks, line queries, ignored messages and the clipboard
// to the model.
#include <string>

#include "common/memory_blocks.h"
#include "editview/editview.h"
#include "editview/search/search_request.h"
#include "temp_folder.h"
#include "test_window.h"

namespace velmo::test {
namespace {

using EditViewMessages = EditViewTest;

// EM_GETSEL fills the cells when its packed answer overflows, and allows null cells;
// a direct call acts as a sent message.
TEST_F(EditViewMessages, SelectionAnswersAndDirectCalls) {
    SetText(std::string(70000, 'x'));
    Send(EM_SETSEL, 70000, 70000);
    DWORD start = 0, end = 0;
    EXPECT_EQ(Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)), -1);
    EXPECT_EQ(start, 70000u);
    EXPECT_EQ(end, 70000u);
    auto dispatch = reinterpret_cast<WNDPROC>(Send(EVM_GETDISPATCHPROC));
    dispatch(edit, EM_SETSEL, 3, 4);
    EXPECT_EQ(Send(EM_GETSEL, 0, 0), (4 << 16) | 3);
    EXPECT_EQ(dispatch(edit, EVM_FILEIO, 0, 0), 1);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
}

TEST_F(EditViewMessages, EachColourAndMarkerSettingAnswersItsOwnOldValue) {
    EXPECT_EQ(Send(EVM_SETBKCOLOR, 0), static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
    for (UINT message = EVM_SETTEXTCOLOR; message <= EVM_SETBKLINENUMBERSINACTIVECOLOR; ++message) {
        Send(message, RGB(message & 0xFF, 1, 2));
    }
    for (UINT message = EVM_SETTEXTCOLOR; message <= EVM_SETBKLINENUMBERSINACTIVECOLOR; ++message) {
        EXPECT_EQ(Send(message, 0), static_cast<LRESULT>(RGB(message & 0xFF, 1, 2))) << message;
    }
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 6), -1);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 3), 0);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 5), 3);
    EXPECT_EQ(Send(EVM_MARKLINE, 4), 1);
    EXPECT_EQ(Send(EVM_MARKLINE, 4), 0);
    for (WPARAM line = 100; line < 400; ++line) ASSERT_EQ(Send(EVM_MARKLINE, line), 1) << line;  // past the first block
}

// The state record is the process's one: a second control would take it over,
// and a creation that runs out of memory leaves nothing behind.
TEST_F(EditViewMessages, OnlyOneWholeControlIsEverCreated) {
    SetText("first\r\ndocument");
    Send(EM_SETSEL, 3, 3);
    auto create = [](HWND owner) {
        return CreateWindowA(kEditViewClassName, nullptr, WS_CHILD, 0, 0, 100, 100, owner, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    };
    HWND otherParent = CreateWindowA("STATIC", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(create(otherParent), nullptr);
    DestroyWindow(otherParent);
    Log().Clear();
    Send(WM_CHAR, 'x');
    EXPECT_EQ(Text(), "firxst\r\ndocument");
    ASSERT_EQ(Log().Of(EVN_CARETPOS).size(), 1u);  // still to its own parent
    EXPECT_EQ(Log().Of(EVN_CARETPOS)[0].lParam, 4);
    DestroyWindow(edit);
    for (unsigned n = 1; n <= 5; ++n) {
        SystemHeap().FailAfter(n);
        EXPECT_EQ(create(parent), nullptr) << n;
        SystemHeap().FailAfter(0);
    }
    edit = create(parent);
    ASSERT_NE(edit, nullptr);
    Send(EVM_FILEIO, 0, 0);
    SetText("works");
    EXPECT_EQ(Text(), "works");
}

class EditingTest : public EditViewTest {
protected:
    LRESULT Replace(const char* text) { return Send(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(text)); }
    LRESULT Search(std::uint32_t operation, const char* find, const char* with, bool ignoreCase = false) {
        SearchRequest request{operation, 1, ignoreCase ? 1u : 0u, find, with};
        return Send(EVM_SEARCH, reinterpret_cast<WPARAM>(&request));
    }
    // Mode 1 loads the folder's file `name`, mode 2 saves it.
    LRESULT FileIo(WPARAM mode, const std::string& name) {
        return Send(EVM_FILEIO, mode, reinterpret_cast<LPARAM>((folder.path() + name).c_str()));
    }
    TempFolder folder;
};

TEST_F(EditingTest, TextThatCannotGrowSendsMaxText) {
    SetText(std::string(65536, 'a'));
    Play("sel=0,0");
    SystemHeap().FailAfter(1, 100);
    EXPECT_EQ(Replace(std::string(70000, 'b').c_str()), 0);
    SystemHeap().FailAfter(0);
    EXPECT_EQ(Text(), std::string(65536, 'a'));
    EXPECT_EQ(Log().CommandCodes(), std::vector<WORD>{EN_MAXTEXT});
    EXPECT_TRUE(Log().Of(EVN_CARETPOS).empty());
    EXPECT_EQ(Send(EM_CANUNDO), 0);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
}

TEST_F(EditingTest, FullUndoHistoryAsksTheParent) {
    std::string original(100000, 'q');
    SetText(original);
    Play("sel=0,-1");
    Log().historyFullAnswer = IDNO;
    SystemHeap().FailAfter(1, 100);  // the undo pool cannot take 100 000 bytes
    EXPECT_EQ(Replace("x"), 0);
    EXPECT_EQ(Log().CommandCodes(), std::vector<WORD>{EVN_UNDOFULL});
    EXPECT_EQ(Text(), original);
    Log().Clear();
    Log().historyFullAnswer = IDYES;
    EXPECT_EQ(Replace("x"), 1);
    SystemHeap().FailAfter(0);
    EXPECT_EQ(Log().CommandCodes(), (std::vector<WORD>{EVN_UNDOFULL, EN_CHANGE}));
    EXPECT_EQ(Log().received.size(), 3u);  // and the caret last
    EXPECT_EQ(Log().received.back().message, static_cast<UINT>(EVN_CARETPOS));
    EXPECT_EQ(Text(), "x");
    EXPECT_EQ(Send(EM_CANUNDO), 0);  // made without a record: the history is emptied
}

TEST_F(EditingTest, FaultWhileReplacingIsReportedAndRecovered) {
    SetText("safe");
    Play("sel=0,0");
    Send(EM_REPLACESEL, 1, 16);  // a pointer no program owns
    EXPECT_EQ(Text(), "safe");
    ASSERT_FALSE(Log().received.empty());
    EXPECT_EQ(Log().received[0].message, static_cast<UINT>(WM_NULL));  // the reporter
    EXPECT_STREQ(reinterpret_cast<const char*>(Log().received[0].lParam), "Error 3");
    EXPECT_EQ(Log().Of(WM_CLOSE).size(), 1u);
    EXPECT_EQ(Log().received.size(), 2u);
    // Nothing stays locked or busy: the control goes on working.
    EXPECT_EQ(GlobalFlags(reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE))) & GMEM_LOCKCOUNT, 0u);
    Send(WM_CHAR, '!');
    EXPECT_EQ(Text(), "!safe");
}

TEST_F(EditingTest, FilesKeepTheirBytesAndFailuresKeepFileAndDocument) {
    const std::string bytes("line\r\nlone\rcr\nlf\0nul\r\n\xff\x80 end", 31);
    SetText(bytes);
    Send(EM_SETMODIFY, 1);
    ASSERT_EQ(FileIo(2, "a.txt"), 1);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
    SetText("old text");
    ASSERT_EQ(FileIo(1, "a.txt"), 1);
    EXPECT_EQ(FileBytes(folder.path() + "a.txt"), bytes);
    EXPECT_EQ(Text(), bytes);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 3);
    EXPECT_GE(GlobalSize(reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE))), bytes.size() + 65536);
    SetFileAttributesA((folder.path() + "a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetText("new words");
    Send(EM_SETMODIFY, 1);
    EXPECT_EQ(FileIo(2, "a.txt"), 0);
    EXPECT_EQ(FileBytes(folder.path() + "a.txt"), bytes);
    EXPECT_EQ(Send(EM_GETMODIFY), 1);
    EXPECT_EQ(FileIo(1, "missing.txt"), 0);  // and a failed load keeps the document
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Text(), "new words");
    EXPECT_EQ(Send(EM_GETMODIFY), 1);
    SetFileAttributesA((folder.path() + "a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    WIN32_FIND_DATAA found;  // and no temporary file is left behind
    HANDLE search = FindFirstFileA((folder.path() + "vel*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    SetText("");
    ASSERT_EQ(FileIo(2, "empty.txt"), 1);
    SetText("x");
    ASSERT_EQ(FileIo(1, "empty.txt"), 1);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(FileIo(2, "no-such-folder\\a.txt"), 0);
    EXPECT_EQ(Send(EVM_FILEIO, 2, reinterpret_cast<LPARAM>(std::string(300, 'p').c_str())), 0);
}

TEST_F(EditingTest, ReplaceAllStartsFromTheTopAndPostsTheCaret) {
    SetText(Lines(200, "line of a text"));
    PumpMessages();
    Play("sel=3000,3000 show");
    ASSERT_GT(View().firstVisibleRow, 0u);
    EXPECT_EQ(Search(SEARCH_REPLACE_ALL, " of a text", ""), 200);
    EXPECT_EQ(Send(EVM_GETSEARCHERROR), 0);
    EXPECT_EQ(View().firstVisibleRow, 0u);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);           // the caller sets it
    EXPECT_TRUE(Log().CommandCodes().empty());  // no EN_CHANGE
    Log().Clear();
    PumpMessages();
    std::vector<Notification> carets = Log().Of(EVN_CARETPOS);
    ASSERT_EQ(carets.size(), 1u);
    EXPECT_FALSE(carets[0].sent);
    EXPECT_EQ(carets[0].wParam, 0u);
}

TEST_F(EditingTest, IgnoringCaseFollowsTheCodePage) {
    char upper[] = "\xe4";
    CharUpperBuffA(upper, 1);
    if (upper[0] != '\xc4') GTEST_SKIP() << "the code page has no upper case of this letter";
    SetText("abc x\xc4" "BC");
    EXPECT_EQ(Search(SEARCH_FIND, "\xe4" "bc", ""), 0);
    EXPECT_NE(Search(SEARCH_FIND, "\xe4" "bc", "", true), 0);
    EXPECT_EQ(Send(EM_GETSEL), (8 << 16) | 5);
}

}  // namespace
}  // namespace velmo::test
