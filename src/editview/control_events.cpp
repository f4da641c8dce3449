#include "editview/control_events.h"

#include "editview/control_state.h"
#include "editview/editview.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"
#include "editview/view/edit_repaint.h"
#include "editview/view/scrolling.h"

namespace velmo {

void ControlEvents::TextEdited(const EditedSpan& span) { ViewAfterEdit(span); }

void ControlEvents::TextChanged() { NotifyParent(EN_CHANGE); }

void ControlEvents::CaretMoved() {
    ScrollCaretIntoView(Sideways::kByPage, Repaint::kLater);
    PlaceCaret();
    SendCaretPosition();
}

void ControlEvents::OutOfTextSpace() { NotifyParent(EN_MAXTEXT); }

void ControlEvents::OutOfTableSpace() { NotifyParent(EN_ERRSPACE); }

bool ControlEvents::AllowWithoutUndo() { return NotifyParent(EVN_UNDOFULL) != IDNO; }

bool ControlEvents::AllowWithoutRedo() { return NotifyParent(EVN_REDOFULL) != IDNO; }

}  // namespace velmo
