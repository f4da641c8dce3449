#pragma once
// A parent window for EditView that records what the control tells it, and a
// fixture that creates both for each test.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace velmo::test {

struct Notification {
    UINT message;  // EVN_CARETPOS, WM_COMMAND or WM_CLOSE
    WPARAM wParam;
    LPARAM lParam;
    bool sent;  // arrived inside a call to the control rather than from the queue
};

struct ParentLog {
    std::vector<Notification> received;
    LRESULT historyFullAnswer = IDYES;
    bool pumping = false;  // the test is delivering queued messages  // the parent's answer to EVN_UNDOFULL/EVN_REDOFULL
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

class EditViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(edit, message, wParam, lParam);
    }
    // Replaces the document by `text` through EVM_SETTEXTHANDLE.
    void SetText(const std::string& text);
    // The document's bytes, read through EM_GETHANDLE as the application does.
    std::string Text();
    // Delivers posted messages waiting for the test thread.
    static void PumpMessages();

    HWND parent = nullptr;
    HWND edit = nullptr;
};

}  // namespace velmo::test
