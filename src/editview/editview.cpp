// The control's window class, creation, destruction and the window procedure,
// which handles window-level messages and hands the rest to the dispatcher.
#include "editview/editview.h"

#include "editview/control_state.h"
#include "editview/document_view.h"
#include "editview/edit_operations.h"
#include "editview/input/clipboard.h"
#include "editview/input/edit_keys.h"
#include "editview/input/mouse.h"
#include "editview/model/fault_guard.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"
#include "editview/view/metrics.h"
#include "editview/view/painter.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_options.h"

namespace velmo {

namespace {

constexpr std::uint32_t kMarkerTableBytes = 500;

void ReleaseResources() {
    EditControl& c = Control();
    BlockHeap& heap = c.store.Heap();
    c.store.Destroy();
    heap.Free(c.markers);
    c.markers = 0;
    c.colours.Destroy();
    DeleteLineNumberFont();
}

// All or nothing: on failure everything made so far is released.
bool Create(HWND window) {
    EditControl& c = Control();
    c.window = window;
    c.busy = false;
    c.focused = false;
    c.view = ViewState{};
    c.bars = ScrollBars{};
    c.input = InputState{};
    c.layouts.InvalidateAll();
    c.options = ViewOptions{};
    c.search.ClearError();
    BlockHeap& heap = c.store.Heap();
    c.markers = heap.Allocate(kMarkerTableBytes, false);
    c.markerCount = 0;
    c.markerCapacity = kMarkerTableBytes / sizeof(std::uint32_t);
    bool ok = c.markers != 0 && c.store.Create();
    if (ok) {
        MeasureFont();
        ok = MakeLineNumberFont();
        ReadSystemSettings();
        c.arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
        c.beamCursor = LoadCursorA(nullptr, IDC_IBEAM);
        c.waitCursor = LoadCursorA(nullptr, IDC_WAIT);
        ok = ok && c.colours.Create() && c.arrowCursor && c.beamCursor && c.waitCursor;
    }
    if (!ok) {
        ReleaseResources();
        c.window = nullptr;
    }
    return ok;
}

void Destroy(HWND window) {
    EditControl& c = Control();
    KillTimer(window, kAutoScrollTimer);
    KillTimer(window, kScrollBarTimer);
    ReleaseResources();
    c.window = nullptr;
}

void Paint(HWND window) {
    EditControl& c = Control();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    auto paint = [dc, &ps] { PaintOffScreen(dc, ps.rcPaint); };
    if (RunGuarded(paint)) {
        c.store.Buffer().Unlock(c.store.Heap());
        EndPaint(window, &ps);
        ReportFault("Error 1");
        return;
    }
    EndPaint(window, &ps);
}

void SwitchFocus(bool focused) {
    EditControl& c = Control();
    c.focused = focused;
    if (focused) {
        CreateViewCaret();
    } else {
        DestroyCaret();
    }
    InvalidateRect(c.window, nullptr, FALSE);
}

LRESULT CALLBACK EditViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    EditControl& c = Control();
    // The state record belongs to the control that has it; any other window
    // of the class is refused at its creation and otherwise left alone.
    if (window != c.window && (c.window != nullptr || message == WM_DESTROY)) {
        return message == WM_CREATE ? -1 : DefWindowProcA(window, message, wParam, lParam);
    }
    c.parent = GetParent(window);
    switch (message) {
    case WM_CREATE: return Create(window) ? 0 : -1;
    case WM_DESTROY: Destroy(window); return 0;
    case WM_SIZE: ResizeView(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: SwitchFocus(true); return 0;
    case WM_KILLFOCUS: SwitchFocus(false); return 0;
    case WM_GETTEXTLENGTH: return c.store.Length();
    case WM_PAINT: Paint(window); return 0;
    case WM_SETTINGCHANGE: ReadSystemSettings(); return 0;
    case WM_MOUSEACTIVATE: SetFocus(window); return MA_ACTIVATE;
    case WM_SETFONT: ChangeFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_CHAR: return TypeCharacter(wParam);
    case WM_KEYDOWN: HandleEditKey(wParam); return 0;
    case WM_CUT: return CutSelection();
    case WM_COPY: return CopySelection();
    case WM_PASTE: return Paste();
    case WM_CLEAR: return ClearSelection();
    case WM_VSCROLL: ScrollByCode(LOWORD(wParam)); return 0;
    case WM_HSCROLL: ScrollColumnsByCode(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: ScrollWheel(wParam); return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        MouseButtonDown(lParam);
        return 0;
    case WM_MOUSEMOVE: MouseMove(lParam); return 0;
    case WM_LBUTTONUP: MouseButtonUp(lParam); return 0;
    case WM_LBUTTONDBLCLK: MouseDoubleClick(lParam); return 0;
    case WM_TIMER:
        if (wParam == kScrollBarTimer) {
            MeasureWaitingWidestLine();
            c.bars.DrawWaiting(window);
        } else {
            AutoScrollStep(wParam);
        }
        return 0;
    case WM_CAPTURECHANGED: MouseCaptureLost(); return 0;
    default: return EditViewDispatch(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterEditViewClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = EditViewProc;
    wc.hInstance = instance;
    wc.lpszClassName = kEditViewClassName;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace velmo
