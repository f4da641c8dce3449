#include "test_window.h"

#include <cstring>

#include "editview/editview.h"

namespace velmo::test {

namespace {

constexpr char kParentClass[] = "VelmoTestParent";

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EVN_CARETPOS:
    case WM_CLOSE:
        Log().received.push_back({message, wParam, lParam, !Log().pumping});
        return 0;
    case WM_COMMAND: {
        Log().received.push_back({message, wParam, lParam, true});
        WORD code = HIWORD(wParam);
        return code == EVN_UNDOFULL || code == EVN_REDOFULL ? Log().historyFullAnswer : 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterOnce() {
    static bool done = [] {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = instance;
        wc.lpszClassName = kParentClass;
        RegisterClassA(&wc);
        RegisterEditViewClass(instance);
        SetFaultReporter([](HWND, const char* text) {
            Log().received.push_back({WM_NULL, 0, reinterpret_cast<LPARAM>(text), true});
        });
        return true;
    }();
    (void)done;
}

}  // namespace

ParentLog& Log() {
    static ParentLog log;
    return log;
}

std::vector<Notification> ParentLog::Of(UINT message) const {
    std::vector<Notification> out;
    for (const auto& n : received) {
        if (n.message == message) out.push_back(n);
    }
    return out;
}

std::vector<WORD> ParentLog::CommandCodes() const {
    std::vector<WORD> codes;
    for (const auto& n : Of(WM_COMMAND)) codes.push_back(HIWORD(n.wParam));
    return codes;
}

void EditViewTest::SetUp() {
    RegisterOnce();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    parent = CreateWindowA(kParentClass, "test parent", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                           instance, nullptr);
    ASSERT_NE(parent, nullptr);
    edit = CreateWindowExA(WS_EX_ACCEPTFILES, kEditViewClassName, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 0, 600, 400, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditViewId)), instance, nullptr);
    ASSERT_NE(edit, nullptr);
    Send(EVM_FILEIO, 0, 0);
    PumpMessages();
    Log() = ParentLog{};
}

void EditViewTest::TearDown() {
    if (parent != nullptr) DestroyWindow(parent);
    PumpMessages();
    Log() = ParentLog{};
}

void SetEditText(HWND edit, const std::string& text) {
    HGLOBAL old = reinterpret_cast<HGLOBAL>(SendMessageA(edit, EM_GETHANDLE, 0, 0));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.data(), text.size());
    GlobalUnlock(block);
    ASSERT_EQ(SendMessageA(edit, EVM_SETTEXTHANDLE, reinterpret_cast<WPARAM>(block), static_cast<LPARAM>(text.size())),
              1);
    GlobalFree(old);  // the caller releases the block it replaced
}

void EditViewTest::SetText(const std::string& text) { SetEditText(edit, text); }

void OfferPlainText(HWND owner, const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    std::memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

std::string EditText(HWND edit) {
    auto block = reinterpret_cast<HGLOBAL>(SendMessageA(edit, EM_GETHANDLE, 0, 0));
    auto length = static_cast<std::size_t>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<const char*>(GlobalLock(block)), length);
    GlobalUnlock(block);
    return text;
}

std::string EditViewTest::Text() { return EditText(edit); }

void EditViewTest::PumpMessages() {
    MSG msg;
    Log().pumping = true;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Log().pumping = false;
}

}  // namespace velmo::test
