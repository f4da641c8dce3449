// The process: paths, settings and language, then the main window until
// its message loop ends.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "settings/message_boxes.h"
#include "app/run_main_window.h"
#include "editview/editview.h"
#include "settings/language_library.h"
#include "settings/private_profile.h"
#include "settings/settings_file.h"

namespace {

constexpr UINT kFaultExitCode = 1;
constexpr char kFolderTooLong[] =
    "The program's folder path is too long. Move Velmo 2 to a folder with a shorter path.";

// An unexpected processor fault anywhere on the way: say so and end, rather
// than go on with state that can no longer be trusted.
LONG WINAPI ReportFault(EXCEPTION_POINTERS*) {
    velmo::ShowMessageBox(velmo::App().mainWindow, "Error 0", nullptr, MB_OK | MB_ICONERROR);
    ExitProcess(kFaultExitCode);
}

// Steps before any window: false when the program cannot go on.
bool PrepareProgram(HINSTANCE instance, velmo::PrivateProfile** profile) {
    velmo::AppState& app = velmo::App();
    app.instance = instance;
    velmo::RegisterEditViewClass(instance);
    char module[velmo::kMaxPath + 1];
    DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    if (length == 0 || length >= velmo::kMaxPath || !velmo::DeriveProgramPaths(module, &app.paths)) {
        velmo::ShowMessageBox(nullptr, kFolderTooLong, velmo::kProductName, MB_OK | MB_ICONERROR);
        return false;
    }
    app.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    app.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    *profile = new velmo::PrivateProfile(app.paths.settings);
    app.profile = *profile;
    velmo::LoadSettings(app.settings, *app.profile, app.screenWidth, app.screenHeight);
    app.language = static_cast<std::uint32_t>(app.settings.language);
    if (!velmo::StartLanguage(app.paths.folder, &app.language)) return false;
    app.settings.language = static_cast<std::int32_t>(app.language);
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SetUnhandledExceptionFilter(ReportFault);
    InitCommonControls();
    velmo::PrivateProfile* profile = nullptr;
    if (!PrepareProgram(instance, &profile)) return 1;
    // The show mode the system hands over is not used: the saved state decides.
    velmo::AppState& app = velmo::App();
    int showMode = SW_SHOWNORMAL;
    if (app.settings.maximized != 0) {
        showMode = SW_SHOWMAXIMIZED;
        app.normalState = false;
    }
    int result = velmo::RunMainWindow(instance, GetCommandLineA(), showMode);
    delete profile;
    return result;
}
