#include "settings/setting_dialogs.h"

#include <commdlg.h>

namespace velmo {

bool ShowColourDialog(HWND owner, COLORREF initial, COLORREF* chosen) {
    static COLORREF customColours[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                         0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                         0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};  // empty slots show white
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = initial;
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT;
    if (!ChooseColorA(&dialog)) return false;
    *chosen = dialog.rgbResult;
    return true;
}

bool ShowFontDialog(HWND owner, LOGFONTA* font, INT* pointSize) {
    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = font;
    dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&dialog)) return false;
    *pointSize = dialog.iPointSize;
    return true;
}

}  // namespace velmo
