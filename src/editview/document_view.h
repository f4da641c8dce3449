#pragma once
// Steps that follow a change of the whole document or of the selection: the
// view is brought back in line and the parent told.
namespace velmo {

// After the document was replaced: back to the top, scroll bars, repaint,
// caret, and EVN_CARETPOS posted.
void AfterDocumentReplaced();
// After the selection changed: repaint, caret, and EVN_CARETPOS sent.
void AfterSelectionChanged();

}  // namespace velmo
