#pragma once
// The view's side of an edit: the gutter may widen, the widest line is kept
// current, the layouts of the touched rows go, and the rows from the edit
// down are repainted.
#include "editview/model/edit_events.h"

namespace velmo {

void ViewAfterEdit(const EditedSpan& span);

}  // namespace velmo
