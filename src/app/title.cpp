#include "app/title.h"

#include "app/app_state.h"
#include "documents/playback.h"
#include "resource_ids.h"
#include "settings/language_library.h"

namespace velmo {

void SetTitle(const char* name) {
    AppState& app = App();
    BuildTitleBuffer(app.title, name);
    SetWindowTextA(app.mainWindow, app.title + kPlainTitleOffset);
}

void SetUntitledTitle() {
    char name[kMaxPath];
    LoadLanguageString(IDS_UNTITLED, name, sizeof name);
    SetTitle(name);
}

void UpdateTitle() {
    AppState& app = App();
    TitleState state{SendMessageA(app.editView, EM_GETMODIFY, 0, 0) != 0, PlaybackRunning(), app.untitled,
                     SendMessageA(app.editView, WM_GETTEXTLENGTH, 0, 0) != 0};
    TitleChoice choice = ChooseTitle(state);
    if (choice.clearModified) SendMessageA(app.editView, EM_SETMODIFY, 0, 0);
    SetWindowTextA(app.mainWindow, choice.marked ? app.title : app.title + kPlainTitleOffset);
}

}  // namespace velmo
