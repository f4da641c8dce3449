// Cut, copy, paste and clear through the system clipboard.
#include <cstring>
#include <string>

#include "editview/editview.h"
#include "test_window.h"

namespace velmo::test {
namespace {

class ClipboardTest : public EditViewTest {
protected:
    // What another program reading CF_TEXT gets: the block's bytes.
    std::string ClipboardBlock() {
        std::string out;
        if (!OpenClipboard(parent)) return "<closed>";
        HGLOBAL block = GetClipboardData(CF_TEXT);
        if (block != nullptr) {
            out.assign(static_cast<const char*>(GlobalLock(block)), GlobalSize(block));
            GlobalUnlock(block);
        }
        CloseClipboard();
        return out;
    }
    // Puts text on the clipboard as another program would: CF_TEXT only.
    void OfferPlainText(const std::string& bytes) {
        ASSERT_TRUE(OpenClipboard(parent));
        EmptyClipboard();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        std::memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
        CloseClipboard();
    }
};

TEST_F(ClipboardTest, CopyPutsExactlyTheSelectionAndOneZero) {
    SetText("hello\r\nworld");
    Send(EM_SETSEL, 3, 9);
    EXPECT_EQ(Send(WM_COPY), 1);
    std::string block = ClipboardBlock();
    ASSERT_GE(block.size(), 7u);
    EXPECT_EQ(block.substr(0, 7), std::string("lo\r\nwo\0", 7));
    EXPECT_EQ(Text(), "hello\r\nworld");
    Send(EM_SETSEL, 4, 4);
    EXPECT_EQ(Send(WM_COPY), 0);  // nothing selected: clipboard untouched
    EXPECT_EQ(ClipboardBlock().substr(0, 6), "lo\r\nwo");
}

TEST_F(ClipboardTest, CutPasteRoundTripKeepsNulBytes) {
    std::string bytes("a\0b\r\nc\0", 7);
    SetText(bytes + "tail");
    Send(EM_SETSEL, 0, 7);
    EXPECT_EQ(Send(WM_CUT), 0);
    EXPECT_EQ(Text(), "tail");
    // Other programs see the text up to its first zero byte.
    EXPECT_EQ(ClipboardBlock().substr(0, 2), std::string("a\0", 2));
    Send(EM_SETSEL, 4, 4);
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "tail" + bytes);
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "tail");
}

TEST_F(ClipboardTest, PastePlainTextAsItStands) {
    OfferPlainText("x\ry\nz\r\nw");
    Send(EM_SETSEL, 0, 0);
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "x\ry\nz\r\nw");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);  // only the CR LF pair breaks the line
    EXPECT_EQ(Send(EM_GETMODIFY), 1);
    SetText("keep");
    Send(EM_SETSEL, 0, 4);
    OfferPlainText("new");
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "new");
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "keep");  // undo restores the replaced selection
}

TEST_F(ClipboardTest, CutWithoutSelectionAndClear) {
    SetText("abc");
    Send(EM_SETSEL, 1, 1);
    EXPECT_EQ(Send(WM_CUT), 0);
    EXPECT_EQ(Text(), "abc");
    Send(EM_SETSEL, 1, 2);
    EXPECT_EQ(Send(WM_CLEAR), 0);
    EXPECT_EQ(Text(), "ac");
    EXPECT_EQ(Send(EM_CANUNDO), 1);
}

TEST_F(ClipboardTest, InsertKeyCopiesAndPastes) {
    SetText("abc");
    Send(EM_SETSEL, 0, 2);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Send(WM_KEYDOWN, VK_INSERT);
    keys[VK_CONTROL] = 0;
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Send(EM_SETSEL, 3, 3);
    Send(WM_KEYDOWN, VK_INSERT);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Text(), "abcab");
    EXPECT_EQ(Send(EVM_GETOVERWRITE), 0);
}

}  // namespace
}  // namespace velmo::test
