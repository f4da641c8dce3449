// Editing through the real control where it meets its limits: a text that
// cannot grow, a full undo history, and the fault guard. The plain editing
// is driven against the model in control_model_test.cpp.
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
        EditViewTest::TearDown();
    }
    void Type(const std::string& text) {
        for (char c : text) Send(WM_CHAR, static_cast<unsigned char>(c));
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
    void Select(WPARAM start, LPARAM end) {
        Send(EM_SETSEL, start, end);
        Log().Clear();
    }
};

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
