#include "app/view_hook.h"

#include <shellapi.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/status_bar.h"
#include "documents/document_files.h"

namespace velmo {

namespace {

constexpr int kEditMenu = 1;

void ShowContextMenu(LPARAM at) {
    HWND main = App().mainWindow;
    HMENU edit = GetSubMenu(GetMenu(main), kEditMenu);
    if (edit == nullptr) return;
    UpdateEditMenu(edit);
    // The control sits at the main window's client origin.
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ClientToScreen(main, &point);
    TrackPopupMenu(edit, TPM_LEFTALIGN, point.x, point.y, 0, main, nullptr);
}

LRESULT CALLBACK ViewHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DROPFILES: OpenDroppedFile(reinterpret_cast<HDROP>(wParam)); break;
        case WM_KEYDOWN: ShowKeyLocks(); break;
        case WM_RBUTTONUP: ShowContextMenu(lParam); break;
        default: break;
    }
    return CallWindowProcA(App().editViewProc, window, message, wParam, lParam);
}

}  // namespace

void HookEditView(HWND editView) {
    App().editViewProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(editView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewHook)));
}

}  // namespace velmo
