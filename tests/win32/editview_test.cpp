// EditView's message interface, driven as the application drives it.
#include <cstring>
#include <string>

#include "editview/editview.h"
#include "editview/model/text_store.h"
#include "test_window.h"

namespace velmo::test {
namespace {

using EditViewMessages = EditViewTest;

TEST_F(EditViewMessages, NewDocumentIsOneEmptyLineWithRoomToGrow) {
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 1);
    EXPECT_EQ(Send(EM_LINEINDEX, 0), 0);
    EXPECT_EQ(Send(EM_LINEINDEX, 1), -1);
    EXPECT_EQ(Send(EM_LINEINDEX, static_cast<WPARAM>(-1)), -1);
    EXPECT_EQ(Send(EVM_GETLINESIZE, 0), 0);
    auto block = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
    ASSERT_NE(block, nullptr);
    EXPECT_GE(GlobalSize(block), 65536u);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
    EXPECT_EQ(Send(EVM_GETOVERWRITE), 0);
}

TEST_F(EditViewMessages, LineQueriesOnTrickyText) {
    SetText(std::string("ab\r\nc\rd\ne\0f\r\n", 13));
    EXPECT_EQ(Text(), std::string("ab\r\nc\rd\ne\0f\r\n", 13));
    EXPECT_EQ(Send(EM_GETLINECOUNT), 3);
    EXPECT_EQ(Send(EM_LINEINDEX, 1), 4);
    EXPECT_EQ(Send(EM_LINEINDEX, 2), 13);  // the empty last line starts at the length
    EXPECT_EQ(Send(EM_LINEINDEX, 3), -1);
    EXPECT_EQ(Send(EVM_GETLINESIZE, 1), 9);
    EXPECT_EQ(Send(EVM_GETLINESIZE, 2), 0);
    EXPECT_EQ(Send(EVM_GETLINESIZE, 7), 0);
    EXPECT_EQ(Send(EVM_LINEFROMCHAR, 0, 3), 0);  // between CR and LF
    EXPECT_EQ(Send(EVM_LINEFROMCHAR, 0, 4), 1);
    EXPECT_EQ(Send(EVM_LINEFROMCHAR, 0, 13), 2);
    EXPECT_EQ(Send(EVM_LINEFROMCHAR, 0, 5000), 2);
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
    Send(EM_SETSEL, 0, 0);
    PumpMessages();
    Log().Clear();
    SetText("abc\r\ndef");
    EXPECT_TRUE(Log().Of(EVN_CARETPOS).empty());  // posted, not yet delivered
    PumpMessages();
    auto carets = Log().Of(EVN_CARETPOS);
    ASSERT_EQ(carets.size(), 1u);
    EXPECT_FALSE(carets[0].sent);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
}

TEST_F(EditViewMessages, SetHandleNeverReadsPastTheBlock) {
    HGLOBAL old = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 40);
    SIZE_T size = GlobalSize(block);
    std::memset(GlobalLock(block), 'a', size);  // no terminator anywhere
    GlobalUnlock(block);
    Send(EM_SETHANDLE, reinterpret_cast<WPARAM>(block));
    GlobalFree(old);
    EXPECT_EQ(static_cast<SIZE_T>(Send(WM_GETTEXTLENGTH)), size);
    EXPECT_EQ(Text(), std::string(size, 'a'));

    old = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    std::memcpy(GlobalLock(block), "hi\r\nyou", 7);
    GlobalUnlock(block);
    Send(EM_SETHANDLE, reinterpret_cast<WPARAM>(block));
    GlobalFree(old);
    EXPECT_EQ(Text(), "hi\r\nyou");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
}

TEST_F(EditViewMessages, SetTextHandleLengthIsBoundedByTheBlock) {
    HGLOBAL old = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8);
    SIZE_T size = GlobalSize(block);
    EXPECT_EQ(Send(EVM_SETTEXTHANDLE, reinterpret_cast<WPARAM>(block), 1 << 30), 1);
    GlobalFree(old);
    EXPECT_EQ(static_cast<SIZE_T>(Send(WM_GETTEXTLENGTH)), size);
    EXPECT_EQ(Send(EVM_SETTEXTHANDLE, 0, 0), 1);  // handle 0: new empty document
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
}

TEST_F(EditViewMessages, IgnoredAndUnknownMessagesChangeNothing) {
    SetText("keep\r\nme");
    Send(EM_SETSEL, 2, 2);
    PumpMessages();
    Log().Clear();
    EXPECT_EQ(Send(WM_CHAR, 8), 0);
    EXPECT_EQ(Send(WM_CHAR, 127), 0);
    EXPECT_EQ(Send(1048, 1, 1), 0);
    EXPECT_EQ(Send(1054, 1, 1), 0);
    EXPECT_EQ(Send(EVM_REPLACEBYTES + 1, 1, 1), 0);
    EXPECT_EQ(Text(), "keep\r\nme");
    EXPECT_EQ(Send(EVM_GETCARETINDEX), 2);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
    EXPECT_TRUE(Log().received.empty());
    // WM_SETTEXT concerns the window caption, never the document.
    Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("caption"));
    EXPECT_EQ(Text(), "keep\r\nme");
}

TEST_F(EditViewMessages, DirectCallBehavesLikeSending) {
    auto dispatch = reinterpret_cast<WNDPROC>(Send(EVM_GETDISPATCHPROC));
    ASSERT_NE(dispatch, nullptr);
    SetText("a\r\nb\r\nc");
    EXPECT_EQ(dispatch(edit, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(dispatch(edit, EM_LINEINDEX, 2, 0), 6);
    dispatch(edit, EM_SETSEL, 3, 4);
    EXPECT_EQ(Send(EM_GETSEL), (4 << 16) | 3);
    EXPECT_EQ(dispatch(edit, EVM_FILEIO, 0, 0), 1);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
}

TEST_F(EditViewMessages, ColoursReturnTheirPreviousValue) {
    EXPECT_EQ(Send(EVM_SETBKINACTIVECOLOR, RGB(1, 2, 3)), static_cast<LRESULT>(RGB(0xE0, 0xE0, 0xE0)));
    EXPECT_EQ(Send(EVM_SETBKINACTIVECOLOR, RGB(4, 5, 6)), static_cast<LRESULT>(RGB(1, 2, 3)));
    EXPECT_EQ(Send(EVM_SETTEXTINACTIVECOLOR, 0), static_cast<LRESULT>(RGB(0x6C, 0x6C, 0x6C)));
    EXPECT_EQ(Send(EVM_SETSELINACTIVECOLOR, 0), static_cast<LRESULT>(RGB(0x68, 0x93, 0xD9)));
    EXPECT_EQ(Send(EVM_SETBKLINENUMBERSCOLOR, 0), static_cast<LRESULT>(RGB(0xB6, 0xB6, 0xB6)));
    EXPECT_EQ(Send(EVM_SETBKLINENUMBERSINACTIVECOLOR, 0), static_cast<LRESULT>(RGB(0xCA, 0xCA, 0xCA)));
    LRESULT window = static_cast<LRESULT>(GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Send(EVM_SETBKCOLOR, RGB(9, 9, 9)), window);
    EXPECT_EQ(Send(EVM_SETBKCOLOR, RGB(8, 8, 8)), static_cast<LRESULT>(RGB(9, 9, 9)));
}

TEST_F(EditViewMessages, MarkersAndMarkerStyle) {
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 6), -1);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 3), 0);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 99), -1);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 5), 3);
    EXPECT_EQ(Send(EVM_MARKLINE, 4), 1);
    EXPECT_EQ(Send(EVM_MARKLINE, 4), 0);
    for (WPARAM line = 100; line < 400; ++line) ASSERT_EQ(Send(EVM_MARKLINE, line), 1) << line;  // past the first block
    EXPECT_EQ(Send(EVM_MARKLINE, 250), 0);
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
