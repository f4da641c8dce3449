#include "app/app_state.h"

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

}  // namespace velmo
