#include "bench_controls.h"

#include <vector>

#include "editview/editview.h"

namespace velmo::bench {

namespace {

constexpr int kWidth = 800, kHeight = 600;

HWND Frame() {
    static HWND frame = [] {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        RegisterEditViewClass(instance);
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = instance;
        wc.lpszClassName = "VelmoBenchFrame";
        RegisterClassA(&wc);
        HWND window = CreateWindowExA(0, wc.lpszClassName, "Velmo benchmark", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                                      kHeight, nullptr, nullptr, instance, nullptr);
        PumpMessages();
        return window;
    }();
    return frame;
}

HFONT EditingFont() {
    static HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Lucida Console");
    return font;
}

bool ReadWhole(const std::string& path, std::vector<char>* bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD size = GetFileSize(file, nullptr), got = 0;
    bytes->assign(size + 1, '\0');
    bool read = ReadFile(file, bytes->data(), size, &got, nullptr) && got == size;
    CloseHandle(file);
    return read;
}

bool editLeftOut = false;

}  // namespace

void LeaveOutEdit() { editLeftOut = true; }

const char* KindName(Kind kind) { return kind == Kind::kVelmo ? "velmo" : "edit"; }

Editor::Editor(Kind kind, bool wrap) : kind_(kind) {
    if (kind == Kind::kEdit && editLeftOut) return;
    HWND frame = Frame();
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
    if (kind == Kind::kEdit) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | (wrap ? 0 : WS_HSCROLL | ES_AUTOHSCROLL);
    } else {
        style |= WS_HSCROLL;
    }
    const char* className = kind == Kind::kVelmo ? kEditViewClassName : "EDIT";
    window_ = CreateWindowExA(0, className, nullptr, style, 0, 0, kWidth, kHeight, frame,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditViewId)), GetModuleHandleA(nullptr),
                              nullptr);
    if (window_ == nullptr) return;
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(EditingFont()), 1);
    if (kind == Kind::kEdit) Send(EM_SETLIMITTEXT, 0x7FFFFFFE);
    if (kind == Kind::kVelmo && wrap) Send(EVM_SETWORDWRAP, 1);
    SetFocus(window_);
    PumpMessages();
}

Editor::~Editor() {
    if (window_ != nullptr) DestroyWindow(window_);
    PumpMessages();
}

bool Editor::Open(const std::string& path) const {
    if (window_ == nullptr) return false;
    if (kind_ == Kind::kVelmo) {
        bool opened = Send(EVM_FILEIO, 1, reinterpret_cast<LPARAM>(path.c_str())) != 0;
        Paint();
        return opened;
    }
    std::vector<char> bytes;
    if (!ReadWhole(path, &bytes)) return false;
    bool set = Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.data())) != 0;
    Paint();
    return set;
}

void Editor::Clear() const {
    if (kind_ == Kind::kVelmo) {
        Send(EVM_FILEIO, 0, 0);
    } else {
        Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    }
    Paint();
    PumpMessages();
}

std::uint32_t Editor::Length() const { return static_cast<std::uint32_t>(Send(WM_GETTEXTLENGTH)); }

void Editor::Select(std::uint32_t start, std::uint32_t end) const {
    Send(EM_SETSEL, start, end);
    Send(EM_SCROLLCARET);
    Paint();
    PumpMessages();
}

void Editor::Key(WPARAM key, bool ctrl) const {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    Send(WM_KEYDOWN, key, 1);
    Send(WM_KEYUP, key, 0xC0000001);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void Editor::Resize(int width, int height) const {
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace velmo::bench
