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

}  // namespace velmo
