// EditView's message interface, driven as the application drives it: adopted
// blocks, answers that overflow, direct calls, settings that answer their old
// value, and creation limits. The random driver in control_model_test.cpp
// covers line queries, ignored messages and the clipboard.
#include <algorithm>
#include <cstring>
#include <string>

#include "common/memory_blocks.h"
#include "editview/editview.h"
#include "test_window.h"

namespace velmo::test {
namespace {

using EditViewMessages = EditViewTest;

// Adopted blocks are read no further than their size, whatever length they claim.
TEST_F(EditViewMessages, AdoptedBlocksAreNeverReadPastTheirSize) {
    auto adopt = [this](UINT message, SIZE_T bytes, const std::string& text, LPARAM length) {
        HGLOBAL old = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
        HGLOBAL block = bytes == 0 ? nullptr : GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
        if (block != nullptr) {
            std::memcpy(GlobalLock(block), text.data(), std::min<SIZE_T>(text.size(), GlobalSize(block)));
            GlobalUnlock(block);
        }
        SIZE_T size = block == nullptr ? 0 : GlobalSize(block);
        Send(message, reinterpret_cast<WPARAM>(block), length);
        GlobalFree(old);
        return size;
    };
    SIZE_T size = adopt(EM_SETHANDLE, 40, std::string(64, 'a'), 0);  // filled: no terminator anywhere
    EXPECT_EQ(Text(), std::string(size, 'a'));
    adopt(EM_SETHANDLE, 64, "hi\r\nyou", 0);
    EXPECT_EQ(Text(), "hi\r\nyou");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
    size = adopt(EVM_SETTEXTHANDLE, 8, "", 1 << 30);
    EXPECT_EQ(static_cast<SIZE_T>(Send(WM_GETTEXTLENGTH)), size);
    adopt(EVM_SETTEXTHANDLE, 0, "", 0);  // handle 0: a new empty document
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
    EXPECT_GE(GlobalSize(reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE))), 65536u);  // with room to grow
    EXPECT_TRUE(Log().Of(EVN_CARETPOS).empty());  // a new document's caret is posted
    PumpMessages();
    ASSERT_FALSE(Log().Of(EVN_CARETPOS).empty());
    EXPECT_FALSE(Log().Of(EVN_CARETPOS)[0].sent);
}

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

}  // namespace
}  // namespace velmo::test
