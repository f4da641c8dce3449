#pragma once
// Typing playback (command 309): a file typed into an empty document by a
// worker thread, one byte every 150 ms, through the edit control's WM_CHAR.
namespace velmo {

// Asks the save question and for a file, then starts typing it. Refused
// with a message while a playback runs.
void StartPlayback();

// From the start of a playback until its last byte was typed or it was
// stopped. The title shows no modified mark meanwhile.
bool PlaybackRunning();

// Stops a running playback and waits until its worker has ended, handling
// the keys it sends meanwhile; true when one was running. Anything that
// replaces, saves or closes the document calls this first, so that no key
// of an old playback reaches another document.
bool StopPlayback();

}  // namespace velmo
