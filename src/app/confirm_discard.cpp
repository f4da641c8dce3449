#include "app/confirm_discard.h"

#include "app/app_state.h"
#include "settings/message_boxes.h"
#include "documents/document_files.h"
#include "documents/playback.h"
#include "resource_ids.h"
#include "settings/language_library.h"

namespace velmo {

bool ConfirmDiscard() {
    StopPlayback();  // its keys must reach neither the question nor the next document
    AppState& app = App();
    if (SendMessageA(app.editView, EM_GETMODIFY, 0, 0) == 0) return true;
    char name[kMaxPath];
    if (app.untitled) {
        LoadLanguageString(IDS_UNTITLED, name, sizeof name);
    } else {
        BoundedCopy(name, sizeof name, app.documentPath);
    }
    char pattern[512];
    char question[512 + kMaxPath];
    LoadLanguageString(IDS_SAVE_CHANGES, pattern, sizeof pattern);
    SubstitutePercent(question, sizeof question, pattern, name);
    switch (ShowMessageBox(app.mainWindow, question, kProductName, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES: return SaveDocument();
        case IDCANCEL: SetFocus(app.editView); return false;
        default: return true;
    }
}

}  // namespace velmo
