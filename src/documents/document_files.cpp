#include "documents/document_files.h"

#include <shellapi.h>
#include <shlobj.h>

#include "common/product_name.h"
#include "documents/document_context.h"
#include "documents/playback.h"
#include "documents/recent_files.h"
#include "editview/editview_messages.h"
#include "resource_ids.h"
#include "settings/language_library.h"
#include "settings/message_boxes.h"

namespace velmo {

namespace {

enum FileMode : WPARAM { kNewMode = 0, kLoadMode = 1, kSaveMode = 2 };

// Through the control's direct routine, so that the last-error code it sets
// reaches this side unchanged.
bool FileIo(FileMode mode, const char* path) {
    HWND edit = Documents().editView;
    auto direct = reinterpret_cast<WNDPROC>(SendMessageA(edit, EVM_GETDISPATCHPROC, 0, 0));
    SetLastError(0);
    LPARAM argument = reinterpret_cast<LPARAM>(path);
    LRESULT done = direct != nullptr ? direct(edit, EVM_FILEIO, mode, argument)
                                     : SendMessageA(edit, EVM_FILEIO, mode, argument);
    return done != 0;
}

// The document now lives under `path`.
void AdoptPath(const char* path) {
    const DocumentContext& d = Documents();
    BoundedCopy(*d.documentPath, kMaxPath, path);
    *d.untitled = false;
    d.setTitle(FileNamePart(*d.documentPath));
}

}  // namespace

bool MakeEmptyDocument() { return FileIo(kNewMode, nullptr); }

void ReportLoadError(DWORD error, const char* path) {
    HWND owner = Documents().mainWindow;
    switch (error) {
        case ERROR_NOT_ENOUGH_MEMORY: ShowErrorBox(owner, IDS_NO_MEMORY); return;
        case ERROR_FILE_TOO_LARGE: ShowErrorBox(owner, IDS_FILE_TOO_LARGE); return;
        case ERROR_FILE_NOT_FOUND: {
            char pattern[512];
            char text[512 + kMaxPath];
            LoadLanguageString(IDS_FILE_NOT_FOUND, pattern, sizeof pattern);
            SubstitutePercent(text, sizeof text, pattern, path);
            ShowMessageBox(owner, text, kProductName, MB_OK | MB_ICONERROR);
            return;
        }
        default: ShowErrorBox(owner, IDS_FILE_ERROR); return;
    }
}

void AdoptLoadedFile(const char* path) {
    AdoptPath(path);
    AddRecentFile(path);
    SHAddToRecentDocs(SHARD_PATHA, path);
}

void NewDocument() {
    const DocumentContext& d = Documents();
    if (!d.confirmDiscard()) return;
    MakeEmptyDocument();
    d.setUntitledTitle();
    *d.untitled = true;
}

bool LoadDocument(const char* path) {
    char chosen[kMaxPath];
    if (!BoundedCopy(chosen, sizeof chosen, path)) return false;
    if (!FileIo(kLoadMode, chosen)) {
        ReportLoadError(GetLastError(), chosen);
        return false;
    }
    AdoptLoadedFile(chosen);
    return true;
}

void OpenDocument() {
    if (!Documents().confirmDiscard()) return;
    char chosen[kMaxPath];
    BoundedCopy(chosen, sizeof chosen, *Documents().documentPath);
    if (ChooseFile(FileDialogKind::kOpen, chosen)) LoadDocument(chosen);
}

bool SaveDocument() {
    StopPlayback();
    const DocumentContext& d = Documents();
    if (*d.untitled) return SaveDocumentAs();
    if (FileIo(kSaveMode, *d.documentPath)) {
        d.setTitle(FileNamePart(*d.documentPath));
        return true;
    }
    ShowErrorBox(d.mainWindow, IDS_FILE_ERROR);
    return SaveDocumentAs();
}

bool SaveDocumentAs() {
    StopPlayback();
    const DocumentContext& d = Documents();
    // The dialog writes into its own buffer: the document keeps its path
    // unless the save under the new one completes.
    char chosen[kMaxPath];
    BoundedCopy(chosen, sizeof chosen, *d.documentPath);
    if (!ChooseFile(FileDialogKind::kSave, chosen)) return false;
    if (!FileIo(kSaveMode, chosen)) {
        ShowErrorBox(d.mainWindow, IDS_FILE_ERROR);
        return false;
    }
    AdoptPath(chosen);
    AddRecentFile(chosen);
    return true;
}

void OpenDroppedFile(HDROP drop) {
    if (Documents().confirmDiscard()) {
        // A longer path would come back cut and name another file.
        char path[kMaxPath];
        UINT length = DragQueryFileA(drop, 0, nullptr, 0);
        if (length > 0 && length < sizeof path && DragQueryFileA(drop, 0, path, sizeof path) == length) {
            LoadDocument(path);
        }
    }
    DragFinish(drop);
    SetFocus(Documents().editView);
}

}  // namespace velmo
