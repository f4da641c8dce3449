// Each shipped translation against the English library: every string with the
// same conversions, the same menu commands, accelerators and dialog controls,
// and its own letters as intended whatever the machine's code page.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "language_test_support.h"
#include "resource_ids.h"

namespace velmo {
namespace {

using Ids = std::vector<int>;

// What a translation must keep of string `id`: each "%" with the wsprintf type
// that follows it (a bare "%" is substituted whole) and, in a file filter, the
// patterns between its NULs, short enough to leave room for the final NUL.
std::string Shape(HMODULE module, UINT id) {
    char text[512];
    int n = LoadStringA(module, id, text, sizeof text);
    std::string shape = n > 0 ? "" : "missing";
    int pieces = 0;
    for (int i = 0; i < n; ++i) {
        if (text[i] == '\0' && ++pieces % 2 == 1) shape += std::string("|") + (text + i + 1);
        if (text[i] != '%') continue;
        int type = i + 1;
        while (type < n && std::string("-#0123456789lh").find(text[type]) != std::string::npos) ++type;
        shape += type < n && std::string("sdiuxXc").find(text[type]) != std::string::npos ? text[type] : '%';
    }
    return pieces > 0 && n >= 127 ? shape + " too long" : shape;
}

// Commands in menu order, -1 around a submenu, 0 for a separator.
void Commands(HMENU menu, Ids& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        HMENU sub = GetSubMenu(menu, i);
        out.push_back(sub != nullptr ? -1 : static_cast<int>(GetMenuItemID(menu, i)));
        if (sub != nullptr) Commands(sub, out);
        if (sub != nullptr) out.push_back(-1);
    }
}

Ids MenuCommands(HMODULE module) {
    Ids ids;
    HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAINMENU));
    Commands(menu, ids);
    DestroyMenu(menu);
    return ids;
}

// The accelerators, each as command, key and flags.
Ids Keys(HMODULE module) {
    HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    std::vector<ACCEL> keys(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, keys.data(), static_cast<int>(keys.size()));
    DestroyAcceleratorTable(table);
    Ids ids;
    for (const ACCEL& key : keys) ids.insert(ids.end(), {key.cmd, key.key, key.fVirt});
    return ids;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Each control's identifier and, for up-down arrows, that of the field they
// drive (-1 for other controls).
Ids Controls(HMODULE module, int id) {
    HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(id), nullptr, QuietDialog, 0);
    Ids controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(c, name, sizeof name);
        bool arrows = lstrcmpiA(name, UPDOWN_CLASSA) == 0;
        HWND field = arrows ? reinterpret_cast<HWND>(SendMessageA(c, UDM_GETBUDDY, 0, 0)) : nullptr;
        controls.insert(controls.end(), {GetDlgCtrlID(c), arrows ? GetDlgCtrlID(field) : -1});
    }
    DestroyWindow(dialog);
    return controls;
}

HMODULE Load(const std::string& language) {
    std::string path = test::DistFolder() + "Languages\\" + language + ".dll";
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

struct Translation {
    const char* language;
    UINT id;  // a string holding letters that Windows-1252 does not have
    const wchar_t* text;
};

class TranslationTest : public ::testing::TestWithParam<Translation> {};

TEST_P(TranslationTest, HoldsWhatEnglishHolds) {
    HMODULE english = Load("English");
    HMODULE module = Load(GetParam().language);
    ASSERT_NE(module, nullptr);
    for (UINT id = 1; id < 64; ++id) EXPECT_EQ(Shape(module, id), Shape(english, id)) << "string " << id;
    EXPECT_EQ(MenuCommands(module), MenuCommands(english));
    Ids keys = Keys(english);
    EXPECT_EQ(Keys(module), keys);
    // Plain and Shift keys belong to typing and Alt to the menus.
    for (std::size_t i = 0; i < keys.size(); i += 3) {
        EXPECT_TRUE((keys[i + 2] & FCONTROL) || (keys[i + 1] >= VK_F1 && keys[i + 1] <= VK_F24)) << keys[i];
        EXPECT_FALSE(keys[i + 2] & FALT) << keys[i];
    }
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    for (int dialog : {IDD_ABOUT, IDD_GOTOLINE, IDD_LINESPACING, IDD_MARGINS}) {
        Ids controls = Controls(english, dialog);
        EXPECT_EQ(Controls(module, dialog), controls) << dialog;
        for (std::size_t i = 1; i < controls.size(); i += 2) EXPECT_NE(controls[i], 0) << "arrows " << controls[i - 1];
    }
    EXPECT_NE(LoadImageA(module, MAKEINTRESOURCEA(IDI_MAINICON), IMAGE_ICON, 16, 16, 0), nullptr);
    wchar_t text[256];
    int n = LoadStringW(module, GetParam().id, text, 256);
    EXPECT_EQ(std::wstring(text, n > 0 ? n : 0), GetParam().text);
    FreeLibrary(module);
    FreeLibrary(english);
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, TranslationTest,
    ::testing::Values(Translation{"Slovak", IDS_LOAD_ERROR,
                                  L"Jazykov\u00fa kni\u017enicu sa nepodarilo na\u010d\u00edta\u0165."},
                      Translation{"Czech", IDS_STATUS_LINES, L"\u0158\u00e1dk\u016f: %"}),
    [](const auto& info) { return std::string(info.param.language); });

// Both guides are in the distribution's Help folder as compiled help files.
TEST(HelpFilesTest, BothGuidesAreCompiledHelpFiles) {
    for (const char* name : {"English.chm", "Slovak.chm"}) {
        std::ifstream file(test::DistFolder() + "Help\\" + name, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_EQ(bytes.substr(0, 4), "ITSF") << name;
        EXPECT_GT(bytes.size(), 10000u) << name;
    }
}

}  // namespace
}  // namespace velmo
