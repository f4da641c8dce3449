// EditView's message interface, driven as the application drives it: line
// queries, handles, notifications, settings that answer their old value,
// the clipboard as other programs see it, and creation limits.
#include <cstring>
#include <string>

#include "editview/editview.h"
#include "editview/model/text_store.h"
#include "test_window.h"

namespace velmo::test {
namespace {

using EditViewMessages = EditViewTest;

TEST_F(EditViewMessages, LineQueriesOnANewAndATrickyDocument) {
    EXPECT_GE(GlobalSize(reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE))), 65536u);  // room to grow
    EXPECT_EQ(Send(EM_GETLINECOUNT), 1);
    EXPECT_EQ(Send(EM_LINEINDEX, 1), -1);
    EXPECT_EQ(Send(EVM_GETOVERWRITE), 0);
    SetText(std::string("ab\r\nc\rd\ne\0f\r\n", 13));
    struct Query {
        UINT message;
        WPARAM wParam;
        LPARAM lParam, want;
    };
    const Query queries[] = {{EM_GETLINECOUNT, 0, 0, 3},      {EM_LINEINDEX, 1, 0, 4},
                             {EM_LINEINDEX, 2, 0, 13},        {EM_LINEINDEX, 3, 0, -1},
                             {EM_LINEINDEX, WPARAM(-1), 0, -1}, {EVM_GETLINESIZE, 1, 0, 9},
                             {EVM_GETLINESIZE, 7, 0, 0},      {EVM_LINEFROMCHAR, 0, 3, 0},
                             {EVM_LINEFROMCHAR, 0, 4, 1},     {EVM_LINEFROMCHAR, 0, 5000, 2}};
    for (const Query& q : queries) EXPECT_EQ(Send(q.message, q.wParam, q.lParam), q.want) << q.message << " " << q.wParam;
}

TEST_F(EditViewMessages, GetSelOverflowStillFillsCells) {
    SetText(std::string(70000, 'x'));
    Send(EM_SETSEL, 70000, 70000);
    DWORD start = 0, end = 0;
    EXPECT_EQ(Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)), -1);
    EXPECT_EQ(start, 70000u);
    EXPECT_EQ(end, 70000u);
    Send(EM_SETSEL, 10, 20);
    EXPECT_EQ(Send(EM_GETSEL, 0, 0), (20 << 16) | 10);  // null cells are allowed
}

TEST_F(EditViewMessages, ReplacingTheDocumentPostsCaretPosition) {
    SetText("abc\r\ndef");
    EXPECT_TRUE(Log().Of(EVN_CARETPOS).empty());  // posted, not yet delivered
    PumpMessages();
    auto carets = Log().Of(EVN_CARETPOS);
    ASSERT_EQ(carets.size(), 1u);
    EXPECT_FALSE(carets[0].sent);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
}

// Adopted blocks are read no further than their size, whatever length they claim.
TEST_F(EditViewMessages, AdoptedBlocksAreNeverReadPastTheirSize) {
    auto adopt = [this](UINT message, HGLOBAL block, LPARAM length) {
        HGLOBAL old = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
        Send(message, reinterpret_cast<WPARAM>(block), length);
        GlobalFree(old);
    };
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 40);
    SIZE_T size = GlobalSize(block);
    std::memset(GlobalLock(block), 'a', size);  // no terminator anywhere
    GlobalUnlock(block);
    adopt(EM_SETHANDLE, block, 0);
    EXPECT_EQ(Text(), std::string(size, 'a'));
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    std::memcpy(GlobalLock(block), "hi\r\nyou", 7);
    GlobalUnlock(block);
    adopt(EM_SETHANDLE, block, 0);
    EXPECT_EQ(Text(), "hi\r\nyou");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8);
    size = GlobalSize(block);
    adopt(EVM_SETTEXTHANDLE, block, 1 << 30);
    EXPECT_EQ(static_cast<SIZE_T>(Send(WM_GETTEXTLENGTH)), size);
    adopt(EVM_SETTEXTHANDLE, nullptr, 0);  // handle 0: new empty document
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
}

TEST_F(EditViewMessages, IgnoredAndUnknownMessagesChangeNothing) {
    SetText("keep\r\nme");
    Send(EM_SETSEL, 2, 2);
    PumpMessages();
    Log().Clear();
    const UINT ignored[][2] = {{WM_CHAR, 8}, {WM_CHAR, 127}, {1048, 1}, {1054, 1}, {EVM_REPLACEBYTES + 1, 1}};
    for (const auto& m : ignored) EXPECT_EQ(Send(m[0], m[1], 1), 0) << m[0];
    Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("caption"));  // the window's caption, never the document
    EXPECT_EQ(Text(), "keep\r\nme");
    EXPECT_EQ(Send(EVM_GETCARETINDEX), 2);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
    EXPECT_TRUE(Log().received.empty());
}

TEST_F(EditViewMessages, DirectCallBehavesLikeSending) {
    auto dispatch = reinterpret_cast<WNDPROC>(Send(EVM_GETDISPATCHPROC));
    ASSERT_NE(dispatch, nullptr);
    SetText("a\r\nb\r\nc");
    EXPECT_EQ(dispatch(edit, EM_LINEINDEX, 2, 0), 6);
    dispatch(edit, EM_SETSEL, 3, 4);
    EXPECT_EQ(Send(EM_GETSEL), (4 << 16) | 3);
    EXPECT_EQ(dispatch(edit, EVM_FILEIO, 0, 0), 1);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
}

TEST_F(EditViewMessages, EachColourAndTheMarkerStyleAnswerTheirOwnOldValue) {
    const UINT colours[] = {EVM_SETTEXTCOLOR,          EVM_SETBKCOLOR,           EVM_SETSELCOLOR,
                            EVM_SETTEXTINACTIVECOLOR,  EVM_SETBKINACTIVECOLOR,   EVM_SETSELINACTIVECOLOR,
                            EVM_SETLINENUMBERSCOLOR,   EVM_SETBKLINENUMBERSCOLOR, EVM_SETLINENUMBERSINACTIVECOLOR,
                            EVM_SETBKLINENUMBERSINACTIVECOLOR};
    EXPECT_EQ(Send(EVM_SETBKCOLOR, 0), static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
    for (UINT message : colours) Send(message, RGB(message & 0xFF, 1, 2));
    for (UINT message : colours) EXPECT_EQ(Send(message, 0), static_cast<LRESULT>(RGB(message & 0xFF, 1, 2)));
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 6), -1);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 3), 0);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 5), 3);
    EXPECT_EQ(Send(EVM_MARKLINE, 4), 1);
    EXPECT_EQ(Send(EVM_MARKLINE, 4), 0);
    for (WPARAM line = 100; line < 400; ++line) ASSERT_EQ(Send(EVM_MARKLINE, line), 1) << line;  // past the first block
}

TEST_F(EditViewMessages, OtherProgramsSeeTheSelectionAndOneZero) {
    SetText("hello\r\nworld");
    Send(EM_SETSEL, 3, 9);
    EXPECT_EQ(Send(WM_COPY), 1);
    Send(EM_SETSEL, 4, 4);
    EXPECT_EQ(Send(WM_COPY), 0);  // nothing selected: clipboard untouched
    ASSERT_TRUE(OpenClipboard(parent));
    auto block = GetClipboardData(CF_TEXT);
    std::string copied(static_cast<const char*>(GlobalLock(block)), GlobalSize(block));
    GlobalUnlock(block);
    CloseClipboard();
    EXPECT_EQ(copied.substr(0, 7), std::string("lo\r\nwo\0", 7));
    OfferPlainText(parent, "x\ry\nz\r\nw");  // as it stands: only CR LF breaks a line
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "hellx\ry\nz\r\nwo\r\nworld");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 3);
}

// The state record is the process's one; a second control would take it over.
TEST_F(EditViewMessages, ASecondControlIsRefusedAndTheFirstKeepsWorking) {
    SetText("first\r\ndocument");
    Send(EM_SETSEL, 3, 3);
    HWND otherParent = CreateWindowA("STATIC", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
    HWND second = CreateWindowA(kEditViewClassName, nullptr, WS_CHILD, 0, 0, 100, 100, otherParent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(second, nullptr);
    DestroyWindow(otherParent);
    Log().Clear();
    Send(WM_CHAR, 'x');
    EXPECT_EQ(Text(), "firxst\r\ndocument");
    ASSERT_EQ(Log().Of(EVN_CARETPOS).size(), 1u);  // still to its own parent
    EXPECT_EQ(Log().Of(EVN_CARETPOS)[0].lParam, 4);
}

TEST_F(EditViewMessages, CreationFailsWholeWhenMemoryRunsOut) {
    DestroyWindow(edit);
    for (unsigned n = 1; n <= 5; ++n) {
        SystemHeap().FailAfter(n);
        HWND failed = CreateWindowA(kEditViewClassName, nullptr, WS_CHILD, 0, 0, 100, 100, parent, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        EXPECT_EQ(failed, nullptr) << n;
        SystemHeap().FailAfter(0);
    }
    edit = CreateWindowA(kEditViewClassName, nullptr, WS_CHILD, 0, 0, 100, 100, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    Send(EVM_FILEIO, 0, 0);
    SetText("works");
    EXPECT_EQ(Text(), "works");
}

}  // namespace
}  // namespace velmo::test
