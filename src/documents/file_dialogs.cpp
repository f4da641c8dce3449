#include "documents/document_files.h"

#include <commdlg.h>

#include <cstring>

#include "documents/document_context.h"
#include "resource_ids.h"
#include "settings/language_library.h"

namespace velmo {

namespace {

constexpr std::size_t kFilterText = 128;
// Zero beyond the string, with room for the closing pair of NULs even when
// the library's filter fills all of its 128 bytes.
char filter[kFilterText + 2];

bool SystemFileDialog(HWND owner, FileDialogKind kind, char (&path)[kMaxPath]) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.hInstance = Documents().instance;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = kMaxPath;
    dialog.lpstrDefExt = "txt";
    if (kind == FileDialogKind::kOpen) {
        dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        return GetOpenFileNameA(&dialog) != 0;
    }
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    return GetSaveFileNameA(&dialog) != 0;
}

FileDialogFunction current = SystemFileDialog;

}  // namespace

FileDialogFunction SetFileDialogFunction(FileDialogFunction dialog) {
    FileDialogFunction previous = current;
    current = dialog != nullptr ? dialog : SystemFileDialog;
    return previous;
}

void PrepareFileDialogs() {
    std::memset(filter, 0, sizeof filter);
    LoadLanguageString(IDS_FILE_FILTER, filter, kFilterText);
}

bool ChooseFile(FileDialogKind kind, char (&path)[kMaxPath]) { return current(Documents().mainWindow, kind, path); }

}  // namespace velmo
