#include "editview/notifications.h"

#include "editview/control_state.h"
#include "editview/editview.h"

namespace velmo {

namespace {

void ShowFaultBox(HWND owner, const char* text) { MessageBoxA(owner, text, nullptr, MB_ICONHAND); }

FaultReporter faultReporter = ShowFaultBox;

}  // namespace

FaultReporter SetFaultReporter(FaultReporter reporter) {
    FaultReporter previous = faultReporter;
    faultReporter = reporter;
    return previous;
}

void SendCaretPosition() {
    EditControl& c = Control();
    SendMessageA(c.parent, EVN_CARETPOS, c.store.CaretLine(), c.store.CaretColumn());
}

void PostCaretPosition() {
    EditControl& c = Control();
    PostMessageA(c.parent, EVN_CARETPOS, c.store.CaretLine(), c.store.CaretColumn());
}

LRESULT NotifyParent(WORD code) {
    EditControl& c = Control();
    auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongA(c.parent, GWL_WNDPROC));
    if (procedure == nullptr) return 0;
    WORD id = static_cast<WORD>(GetWindowLongA(c.window, GWL_ID));
    return CallWindowProcA(procedure, c.parent, WM_COMMAND, MAKEWPARAM(id, code),
                           reinterpret_cast<LPARAM>(c.window));
}

void ReportFault(const char* text) {
    EditControl& c = Control();
    faultReporter(c.window, text);
    SendMessageA(c.parent, WM_CLOSE, 0, 0);
}

}  // namespace velmo
