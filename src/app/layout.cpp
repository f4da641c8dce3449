#include "app/layout.h"

#include "app/app_state.h"

namespace velmo {

void LayOut(WPARAM sizeType, int width, int height) {
    AppState& app = App();
    if (app.statusBar != nullptr) {
        RECT bar{};
        GetWindowRect(app.statusBar, &bar);
        SendMessageA(app.statusBar, WM_SIZE, sizeType, MAKELPARAM(width, height));
        height -= bar.bottom - bar.top + 1;
        if (height < 0) height = 0;
    }
    MoveWindow(app.editView, 0, 0, width, height, TRUE);
}

void Relayout() {
    RECT client{};
    HWND main = App().mainWindow;
    GetClientRect(main, &client);
    // The window's real state: a maximised size must not pass for the normal one.
    WPARAM sizeType = IsZoomed(main) ? SIZE_MAXIMIZED : IsIconic(main) ? SIZE_MINIMIZED : SIZE_RESTORED;
    SendMessageA(main, WM_SIZE, sizeType, MAKELPARAM(client.right, client.bottom));
}

}  // namespace velmo
