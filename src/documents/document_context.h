#pragma once
// What the documents side needs from the application around it: the windows,
// the document's name, the settings that keep the recent-file list, and the
// title and save-question steps. The application fills it in once its
// windows exist.
#include <windows.h>

#include "common/text_utils.h"
#include "settings/profile_access.h"
#include "settings/settings.h"

namespace velmo {

struct DocumentContext {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND editView = nullptr;
    char (*documentPath)[kMaxPath] = nullptr;  // also the next save dialog's suggestion
    bool* untitled = nullptr;
    Settings* settings = nullptr;
    ProfileAccess* profile = nullptr;
    void (*setTitle)(const char* name) = nullptr;  // "Velmo 2 - name"
    void (*setUntitledTitle)() = nullptr;
    bool (*confirmDiscard)() = nullptr;  // the save-changes question: true when the document may go
};

void SetDocumentContext(const DocumentContext& context);
const DocumentContext& Documents();

}  // namespace velmo
