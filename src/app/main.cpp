// The program: a main window holding the edit control, opened on the file
// named on the command line, if any.
#include <windows.h>

#include "editview/editview.h"

namespace {

constexpr char kMainClass[] = "Velmo 2";
HWND editView = nullptr;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        editView = CreateWindowExA(WS_EX_ACCEPTFILES, velmo::kEditViewClassName, nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, window,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(velmo::kEditViewId)),
                                   reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance, nullptr);
        if (editView == nullptr) return -1;
        SendMessageA(editView, velmo::EVM_FILEIO, 0, 0);
        return 0;
    case WM_SIZE: MoveWindow(editView, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_SETFOCUS: SetFocus(editView); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The command line's one document path, without surrounding quotation marks.
void OpenCommandLineFile(const char* line) {
    char path[MAX_PATH];
    size_t n = 0;
    bool quoted = *line == '"';
    if (quoted) ++line;
    while (*line != '\0' && n + 1 < sizeof path && !(quoted && *line == '"')) path[n++] = *line++;
    while (n > 0 && !quoted && path[n - 1] == ' ') --n;
    path[n] = '\0';
    if (n > 0) SendMessageA(editView, velmo::EVM_FILEIO, 1, reinterpret_cast<LPARAM>(path));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    velmo::RegisterEditViewClass(instance);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kMainClass;
    RegisterClassExA(&wc);
    HWND main = CreateWindowExA(0, kMainClass, kMainClass, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800,
                                600, nullptr, nullptr, instance, nullptr);
    if (main == nullptr) return 1;
    OpenCommandLineFile(commandLine);
    ShowWindow(main, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
