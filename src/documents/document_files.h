#pragma once
// New, load, save and save-as on the application's side: the edit control
// reads and writes the file; this side names the document, keeps the title
// and the untitled flag, and reports failures.
#include <windows.h>

#include "common/text_utils.h"

namespace velmo {

enum class FileDialogKind { kOpen, kSave };

// Shows the open or save dialog starting from `path`; true with the chosen
// path in `path` when the user confirmed. Tests answer in its place.
using FileDialogFunction = bool (*)(HWND owner, FileDialogKind kind, char (&path)[kMaxPath]);
FileDialogFunction SetFileDialogFunction(FileDialogFunction dialog);

// The current dialog, owned by the main window.
bool ChooseFile(FileDialogKind kind, char (&path)[kMaxPath]);

// Loads the dialogs' file-type filter (string 4) once the main window exists.
void PrepareFileDialogs();

// Steps of loading that typing playback shares.
bool MakeEmptyDocument();                        // the control's document becomes new and empty
void ReportLoadError(DWORD error, const char* path);
void AdoptLoadedFile(const char* path);          // name, title, recent-file list and the shell's list

void NewDocument();                   // command 300
bool LoadDocument(const char* path);  // true when the document was loaded
void OpenDocument();                  // command 301
bool SaveDocument();                  // command 302; true when the save completed
bool SaveDocumentAs();                // command 303; true when the save completed
void OpenDroppedFile(HDROP drop);     // WM_DROPFILES

}  // namespace velmo
