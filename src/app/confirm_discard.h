#pragma once
// The save-changes question, asked before the document is replaced or the
// program ends. A running typing playback is stopped first.
namespace velmo {

// True when the document may go: it is unchanged, the user chose not to
// save it, or it was saved. False after Cancel or a save that did not
// complete.
bool ConfirmDiscard();

}  // namespace velmo
