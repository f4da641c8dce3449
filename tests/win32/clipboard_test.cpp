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

TEST_F(ClipboardTest, PastePlainTextAsItStands) {
    OfferPlainText(parent, "x\ry\nz\r\nw");
    Send(EM_SETSEL, 0, 0);
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "x\ry\nz\r\nw");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);  // only the CR LF pair breaks the line
    EXPECT_EQ(Send(EM_GETMODIFY), 1);
    SetText("keep");
    Send(EM_SETSEL, 0, 4);
    OfferPlainText(parent, "new");
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "new");
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "keep");  // undo restores the replaced selection
}

}  // namespace
}  // namespace velmo::test
