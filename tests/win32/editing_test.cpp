// Editing through the real control: typing, keys, replacement, undo and redo,
// the parent's notifications and questions, and the fault guard.
#include <cstring>
#include <string>

#include "common/memory_blocks.h"
#include "editview/editview.h"
#include "test_window.h"

namespace velmo::test {
namespace {

class EditingTest : public EditViewTest {
protected:
    void TearDown() override {
        SystemHeap().FailAfter(0);
        SetKeys(false, false);
        EditViewTest::TearDown();
    }
    void Type(const std::string& text) {
        for (char c : text) Send(WM_CHAR, static_cast<unsigned char>(c));
    }
    void Key(WPARAM key) { Send(WM_KEYDOWN, key); }
    // The thread's key state, which the control reads with GetKeyState.
    static void SetKeys(bool ctrl, bool shift) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    LRESULT Replace(const char* text, bool record = true) {
        return Send(EM_REPLACESEL, record ? 1 : 0, reinterpret_cast<LPARAM>(text));
    }
    // What the parent saw, as a compact sequence: C=EN_CHANGE, P=EVN_CARETPOS,
    // M=EN_MAXTEXT, E=EN_ERRSPACE, U=EVN_UNDOFULL, R=EVN_REDOFULL, X=WM_CLOSE.
    static std::string Seen() {
        std::string out;
        for (const auto& n : Log().received) {
            if (n.message == EVN_CARETPOS) out += 'P';
            if (n.message == WM_CLOSE) out += 'X';
            if (n.message != WM_COMMAND) continue;
            switch (HIWORD(n.wParam)) {
            case EN_CHANGE: out += 'C'; break;
            case EN_MAXTEXT: out += 'M'; break;
            case EN_ERRSPACE: out += 'E'; break;
            case EVN_UNDOFULL: out += 'U'; break;
            case EVN_REDOFULL: out += 'R'; break;
            default: out += '?'; break;
            }
        }
        return out;
    }
    DWORD Selection() { return static_cast<DWORD>(Send(EM_GETSEL)); }
    void Select(WPARAM start, LPARAM end) {
        Send(EM_SETSEL, start, end);
        Log().Clear();
    }
};

TEST_F(EditingTest, TypingNotifiesChangeThenCaret) {
    Send(WM_CHAR, 'x');
    EXPECT_EQ(Text(), "x");
    EXPECT_EQ(Seen(), "CP");
    auto caret = Log().Of(EVN_CARETPOS).at(0);
    EXPECT_EQ(caret.wParam, 0u);
    EXPECT_EQ(caret.lParam, 1);
    EXPECT_TRUE(caret.sent);
    EXPECT_EQ(Send(EM_GETMODIFY), 1);
    auto command = Log().Of(WM_COMMAND).at(0);
    EXPECT_EQ(LOWORD(command.wParam), kEditViewId);
    EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(edit));
}

TEST_F(EditingTest, EnterBackspaceDeleteAndUndo) {
    Type("abc");
    Send(WM_CHAR, 13);
    EXPECT_EQ(Text(), "abc\r\n");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
    EXPECT_EQ(Send(EVM_GETCARETLINE), 1);
    EXPECT_EQ(Send(EVM_GETCARETCOLUMN), 0);
    EXPECT_EQ(Send(EM_CANUNDO), 4);
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "abc");  // one step takes both bytes of the break
    Send(EVM_REDO);  // leaves the restored break selected
    Select(5, 5);
    Type("de");
    Select(5, 5);
    Key(VK_BACK);  // at the start of line 2: joins the lines
    EXPECT_EQ(Text(), "abcde");
    EXPECT_EQ(Seen(), "CP");
    Select(5, 5);
    Key(VK_DELETE);  // at the end: nothing deleted, still a change
    EXPECT_EQ(Text(), "abcde");
    EXPECT_EQ(Seen(), "CP");
    Select(0, 0);
    Key(VK_DELETE);
    EXPECT_EQ(Text(), "bcde");
    Send(EM_UNDO);
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "abc\r\nde");
    EXPECT_EQ(Send(EVM_CANREDO), 2);
}

TEST_F(EditingTest, CtrlDeletesByWords) {
    Type("foo bar");
    SetKeys(true, false);
    Key(VK_BACK);
    EXPECT_EQ(Text(), "foo ");
    Select(0, 0);
    Key(VK_DELETE);
    EXPECT_EQ(Text(), " ");
    SetKeys(false, true);  // Shift+Delete deletes one character and cuts nothing
    Key(VK_DELETE);
    EXPECT_EQ(Text(), "");
}

TEST_F(EditingTest, OverwriteModeAndInsertKey) {
    SetText("ab\r\ncd");
    Key(VK_INSERT);
    EXPECT_EQ(Send(EVM_GETOVERWRITE), 1);
    Select(0, 0);
    Type("XYZ");  // the third lands at the end of the line: inserted before the break
    EXPECT_EQ(Text(), "XYZ\r\ncd");
    Log().Clear();
    Key(VK_INSERT);
    EXPECT_EQ(Send(EVM_GETOVERWRITE), 0);
    EXPECT_EQ(Seen(), "P");  // the parent shows the new mode at once
}

TEST_F(EditingTest, ReplaceSelectionCases) {
    Type("line");
    Select(2, 2);
    EXPECT_EQ(Replace("a\r\nb"), 1);
    EXPECT_EQ(Text(), "lia\r\nbne");
    EXPECT_EQ(Selection(), static_cast<DWORD>((6 << 16) | 2));  // inserted text selected
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
    EXPECT_EQ(Seen(), "CP");
    Select(3, 3);
    EXPECT_EQ(Replace(""), 1);  // nothing to replace: nothing sent
    EXPECT_EQ(Seen(), "");
    Select(0, -1);
    Replace("one");
    EXPECT_EQ(Text(), "one");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 1);
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "lia\r\nbne");
    EXPECT_EQ(Selection(), static_cast<DWORD>(8 << 16));  // the restored text is selected
    Replace(nullptr);
    EXPECT_EQ(Text(), "");
}

TEST_F(EditingTest, ReplaceBytesKeepsNulBytesAndUndoes) {
    Type("abc");
    Select(1, 2);
    const std::string bytes("x\0y\0", 4);
    EXPECT_EQ(Send(EVM_REPLACEBYTES, bytes.size(), reinterpret_cast<LPARAM>(bytes.data())), 1);
    EXPECT_EQ(Text(), std::string("ax\0y\0c", 6));
    EXPECT_EQ(Selection(), static_cast<DWORD>((5 << 16) | 1));
    EXPECT_EQ(Seen(), "CP");
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "abc");
    Select(0, 3);
    SystemHeap().FailAlways(true);
    std::string big(70000, 'b');
    EXPECT_EQ(Send(EVM_REPLACEBYTES, big.size(), reinterpret_cast<LPARAM>(big.data())), 0);
    SystemHeap().FailAlways(false);
    EXPECT_EQ(Text(), "abc");
}

TEST_F(EditingTest, ReplaceWithoutRecordEmptiesHistories) {
    Type("ab");
    Send(EM_UNDO);
    Select(0, 0);
    Replace("zz", false);
    EXPECT_EQ(Text(), "zza");
    EXPECT_EQ(Send(EM_CANUNDO), 0);
    EXPECT_EQ(Send(EVM_CANREDO), 0);
}

TEST_F(EditingTest, EmptyUndoBufferEmptiesBoth) {
    Type("abc");
    Send(EM_UNDO);
    Send(EM_EMPTYUNDOBUFFER);
    EXPECT_EQ(Send(EM_CANUNDO), 0);
    EXPECT_EQ(Send(EVM_CANREDO), 0);
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "ab");
}

TEST_F(EditingTest, TextThatCannotGrowSendsMaxText) {
    SetText(std::string(65536, 'a'));
    Select(0, 0);
    std::string big(70000, 'b');
    SystemHeap().FailAfter(1, 100);
    EXPECT_EQ(Replace(big.c_str()), 0);
    SystemHeap().FailAfter(0);
    EXPECT_EQ(Text(), std::string(65536, 'a'));
    EXPECT_EQ(Seen(), "M");
    EXPECT_EQ(Send(EM_CANUNDO), 0);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);
}

TEST_F(EditingTest, FullUndoHistoryAsksTheParent) {
    std::string original(100000, 'q');
    SetText(original);
    Select(0, -1);
    Log().historyFullAnswer = IDNO;
    SystemHeap().FailAfter(1, 100);  // the undo pool cannot take 100 000 bytes
    EXPECT_EQ(Replace("x"), 0);
    EXPECT_EQ(Seen(), "U");
    EXPECT_EQ(Text(), original);
    Log().Clear();
    Log().historyFullAnswer = IDYES;
    EXPECT_EQ(Replace("x"), 1);
    SystemHeap().FailAfter(0);
    EXPECT_EQ(Seen(), "UCP");
    EXPECT_EQ(Text(), "x");
    EXPECT_EQ(Send(EM_CANUNDO), 0);  // made without a record: the history is emptied
}

TEST_F(EditingTest, FaultWhileReplacingIsReportedAndRecovered) {
    SetText("safe");
    Select(0, 0);
    Send(EM_REPLACESEL, 1, 16);  // a pointer no program owns
    EXPECT_EQ(Text(), "safe");
    ASSERT_FALSE(Log().received.empty());
    EXPECT_EQ(Log().received[0].message, static_cast<UINT>(WM_NULL));  // the reporter
    EXPECT_STREQ(reinterpret_cast<const char*>(Log().received[0].lParam), "Error 3");
    EXPECT_EQ(Seen(), "X");
    // Nothing stays locked or busy: the control goes on working.
    auto block = reinterpret_cast<HGLOBAL>(Send(EM_GETHANDLE));
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
    Type("!");
    EXPECT_EQ(Text(), "!safe");
}

}  // namespace
}  // namespace velmo::test
