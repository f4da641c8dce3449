#include "editview/document_view.h"

#include "editview/control_state.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"
#include "editview/view/metrics.h"
#include "editview/view/view_options.h"

namespace velmo {

void AfterDocumentReplaced() {
    Control().markerCount = 0;
    AfterTextRewritten();
}

void AfterTextRewritten() {
    EditControl& c = Control();
    c.view.firstVisibleRow = 0;
    c.view.firstVisibleColumn = 0;
    ComputeGutter(false);
    // A new gutter width changes the text area the rows were broken for.
    Relayout(false, true);
    PostCaretPosition();
}

void AfterSelectionChanged() {
    EditControl& c = Control();
    InvalidateRect(c.window, nullptr, FALSE);
    PlaceCaret();
    SendCaretPosition();
}

}  // namespace velmo
