#include "app/app_state.h"

#include "app/confirm_discard.h"
#include "app/title.h"
#include "documents/document_context.h"

namespace velmo {

AppState& App() {
    static AppState state;
    return state;
}

OptionContext Options() {
    AppState& app = App();
    return OptionContext{app.mainWindow, app.editView, GetMenu(app.mainWindow), &app.settings, app.profile,
                         &app.font};
}

FindContext Finder() {
    AppState& app = App();
    return FindContext{app.mainWindow, app.editView, &app.settings, app.profile, &app.findDialog};
}

void ConnectDocuments() {
    AppState& app = App();
    DocumentContext context;
    context.instance = app.instance;
    context.mainWindow = app.mainWindow;
    context.editView = app.editView;
    context.documentPath = &app.documentPath;
    context.untitled = &app.untitled;
    context.settings = &app.settings;
    context.profile = app.profile;
    context.setTitle = SetTitle;
    context.setUntitledTitle = SetUntitledTitle;
    context.confirmDiscard = ConfirmDiscard;
    SetDocumentContext(context);
}

}  // namespace velmo
