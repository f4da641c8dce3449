#pragma once
// The option commands of the main window's menu: each changes its setting,
// updates the check mark, applies the change and writes its key at once
// (full screen alone is saved at program end).
#include <windows.h>

#include "settings/font_record.h"
#include "settings/profile_access.h"
#include "settings/setting_dialogs.h"
#include "settings/settings.h"

namespace velmo {

enum OptionCommand : unsigned {
    kCmdWordWrap = 401,
    kCmdFont = 402,
    kCmdStatusBar = 403,
    kCmdFullScreen = 404,
    kCmdLineNumbers = 405,
    kCmdControlChars = 406,
    kCmdStayOnTop = 500,
    kCmdClearRecentFiles = 501,
    kCmdCenterAfterFind = 502,
    kCmdFirstColour = 503,  // 503..512: the ten colours in message order
    kCmdLastColour = 512,
    kCmdLineSpacing = 513,
    kCmdMargins = 514,
};

// The editing font: its record (whose character set may follow the keyboard
// while the "Charset" setting does not), the font made from it, and the size
// to print at: the one last confirmed in the font dialog in this run, in
// tenths of a point, never saved.
struct EditingFont {
    FontRecord record;
    HFONT handle;
    std::int32_t printPointSize = 100;
};

struct OptionContext {
    HWND mainWindow;
    HWND editView;
    HMENU menu;  // the main menu, for check marks
    Settings* settings;
    ProfileAccess* profile;
    EditingFont* font;
    ColourPicker pickColour = ShowColourDialog;
    FontPicker pickFont = ShowFontDialog;
};

// Runs 401, 402, 404, 405, 406, 500, 502 and 503..512; false for any other
// command. The rest need the caller's part: 403 (status bar), 501 (recent
// menu items), 513 and 514 (their dialogs).
bool RunOptionCommand(const OptionContext& context, unsigned command);

// 401, 405, 406, 502: the setting goes to the edit control; false for any
// other command.
bool ToggleViewOption(const OptionContext& context, unsigned command);

// 403: returns the new "Status"; the caller creates or destroys the status
// bar and lays the window out again.
bool ToggleStatusBarOption(const OptionContext& context);

// 404: pop-up style and maximised, or back to the overlapped style.
void ToggleFullScreen(const OptionContext& context);

// 500: topmost or not, at the window's current rectangle.
void ToggleStayOnTop(const OptionContext& context);

// 503..512: true when the user chose a colour.
bool ChooseOptionColour(const OptionContext& context, unsigned command);

// 402: true when the user chose a font the system could make.
bool ChooseEditingFont(const OptionContext& context);

// After the line-spacing (513) or margins (514) dialog, whatever its result:
// sends both values to the edit control and writes both keys.
void ApplyLinePadding(const OptionContext& context);
void ApplyTextMargins(const OptionContext& context);

// At creation of the main window, after the font: the ten colours, padding,
// margins, line numbers, control characters, word wrap, centre after find.
void SendDisplaySettings(HWND editView, const Settings& settings);

}  // namespace velmo
