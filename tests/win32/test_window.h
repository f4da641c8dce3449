#pragma once
// A parent window for EditView that records what the control tells it, a
// fixture that creates both for each test, and a player of scripted keys,
// mouse events, scroll messages and their checks for the tables of input cases.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "editview/control_state.h"
#include "editview/editview_messages.h"

namespace velmo::test {

struct Notification {
    UINT message;  // EVN_CARETPOS, WM_COMMAND, WM_CLOSE, or WM_NULL from the fault reporter
    WPARAM wParam;
    LPARAM lParam;
    bool sent;  // arrived inside a call to the control rather than from the queue
};

struct ParentLog {
    std::vector<Notification> received;
    LRESULT historyFullAnswer = IDYES;  // the parent's answer to EVN_UNDOFULL/EVN_REDOFULL
    bool pumping = false;               // the test is delivering queued messages
    void Clear() { received.clear(); }
    std::vector<Notification> Of(UINT message) const;
    std::vector<WORD> CommandCodes() const;
};

ParentLog& Log();

// Replaces the control's document by `text` through EVM_SETTEXTHANDLE.
void SetEditText(HWND edit, const std::string& text);
// The document's bytes, read through EM_GETHANDLE as the application does.
std::string EditText(HWND edit);
// Puts `bytes` on the clipboard as another program would: CF_TEXT only.
void OfferPlainText(HWND owner, const std::string& bytes);
// Sets what GetKeyState reports for two keys: `state` (0x80 held, 1 toggled on) for those on, 0 for the others.
void SetKeys(int first, bool firstOn, int second, bool secondOn, BYTE state = 0x80);
// `count` lines joined by CR LF: `line`, or "line 0", "line 1" ... when empty.
std::string Lines(int count, const std::string& line = "");

// The control with the fixed-pitch font and a text area of 40 columns by 10
// rows (its unfocused colours are the ones shown: the tests never focus it).
class EditViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(edit, message, wParam, lParam);
    }
    void SetText(const std::string& text) { SetEditText(edit, text); }
    std::string Text() { return EditText(edit); }
    // Delivers posted messages waiting for the test thread.
    static void PumpMessages();
    // Resizes the window for a text area of whole `columns` and `rows`.
    void SetTextArea(int columns, int rows);
    // Presses `key` with the given modifiers held (GetKeyState sees them).
    void Press(WPARAM key, bool ctrl = false, bool shift = false);
    // Plays a script of space-separated steps, each optionally followed by *n:
    //  keys       [C-][S-]Left|Right|Up|Down|Home|End|PgUp|PgDn|Ins
    //  mouse      press@X,Y move@X,Y release@X,Y click@X,Y dbl@X,Y: X a column
    //             (may be fractional), g the gutter, r/l 5 px right/left of the
    //             text area or e its last pixel; Y a row, or a/b 5 px above/below
    //             the client area; timer (an auto-scroll step), tick (the real
    //             timer's next one); steal (another window takes the mouse).
    //             The control holds the mouse while the button is down outside
    //             the gutter.
    //  scrolling  vLineUp vLineDown vPageUp vPageDown vTop vBottom hLineRight
    //             hPageRight hLeft lines=N wheel halfwheel show (EM_SCROLLCARET)
    //  editing    type=TEXT clear undo; search: centre (after a find), find=TEXT
    //  settings   sel=A,B area=COLUMNS,ROWS wrap cut (a right margin that cuts
    //             the last column by a pixel), which clear the parent's log as
    //             lines=N does; numbers and controls (shown), margins=L,R,
    //             size=W,H (of the window), font (of 30 px)
    //  checks     =START,END@CARET (or =CARET when nothing is selected);
    //             told=L:C,L:C... the caret positions told the parent since the
    //             last told= or setting; view=TOP,COLUMN,CARETROW[,timer];
    //             vbar=POS,MAX,PAGE and hmax=MAX of the scroll bars
    void Play(const std::string& script);
    static const ViewState& View() { return Control().view; }
    static int LineHeight() { return static_cast<int>(View().lineHeight); }
    static int CharWidth() { return static_cast<int>(View().widths.ColumnWidth()); }

    HWND parent = nullptr;
    HWND edit = nullptr;

private:
    void PlayStep(const std::string& step);
    void Check(const std::string& name, const std::string& want);
    void Mouse(const std::string& kind, const std::string& where);
    bool holding_ = false;  // the mouse button is down on the control
};

}  // namespace velmo::test
