#pragma once
// Steps that follow a change of the whole document or of the selection: the
// view is brought back in line and the parent told.
namespace velmo {

// After the document was replaced: no line markers, back to the top,
// scroll bars, repaint, caret, and EVN_CARETPOS posted.
void AfterDocumentReplaced();
// The same after the whole text was rewritten in place (a replace-all),
// which keeps the line markers.
void AfterTextRewritten();
// After the selection changed: repaint, caret, and EVN_CARETPOS sent.
void AfterSelectionChanged();

}  // namespace velmo
