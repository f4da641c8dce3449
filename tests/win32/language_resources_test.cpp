// Each shipped translation against the English library: every string with the
// same conversions, the same menu commands, accelerators and dialog controls,
// and its own letters as intended whatever the machine's code page.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "language_test_support.h"
#include "resource_ids.h"

namespace velmo {
namespace {

class Library {
public:
    explicit Library(const std::string& name)
        : module_(LoadLibraryExA((test::DistFolder() + "Languages\\" + name + ".dll").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE)) {}
    ~Library() { FreeLibrary(module_); }
    HMODULE module_;
};

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

// Commands of the main menu in order; 0 for a separator, -1 around a submenu.
void Commands(HMENU menu, std::vector<int>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (sub != nullptr) out.push_back(-1);
        if (sub != nullptr) Commands(sub, out);
        out.push_back(sub != nullptr ? -1 : static_cast<int>(GetMenuItemID(menu, i)));
    }
}

std::vector<int> MenuCommands(HMODULE module) {
    HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAINMENU));
    std::vector<int> commands;
    Commands(menu, commands);
    DestroyMenu(menu);
    return commands;
}

using Key = std::tuple<WORD, WORD, BYTE>;

std::vector<Key> Accelerators(HMODULE module) {
    HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    DestroyAcceleratorTable(table);
    std::vector<Key> keys;
    for (const ACCEL& a : entries) keys.emplace_back(a.cmd, a.key, a.fVirt);
    return keys;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Each control's identifier and, for up-down arrows, that of the field they
// drive (-1 for other controls).
std::vector<std::pair<int, int>> Controls(HMODULE module, int id) {
    HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(id), nullptr, QuietDialog, 0);
    std::vector<std::pair<int, int>> controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(c, name, sizeof name);
        bool arrows = lstrcmpiA(name, UPDOWN_CLASSA) == 0;
        HWND field = arrows ? reinterpret_cast<HWND>(SendMessageA(c, UDM_GETBUDDY, 0, 0)) : nullptr;
        controls.emplace_back(GetDlgCtrlID(c), arrows ? GetDlgCtrlID(field) : -1);
    }
    DestroyWindow(dialog);
    return controls;
}

struct Translation {
    const char* language;
    UINT id;  // a string holding letters that Windows-1252 does not have
    const wchar_t* text;
};

class TranslationTest : public ::testing::TestWithParam<Translation> {
protected:
    Library english_{"English"};
    Library library_{GetParam().language};
};

TEST_P(TranslationTest, HoldsWhatEnglishHolds) {
    HMODULE english = english_.module_;
    HMODULE module = library_.module_;
    ASSERT_NE(module, nullptr);
    for (UINT id = 1; id < 64; ++id) EXPECT_EQ(Shape(module, id), Shape(english, id)) << "string " << id;
    EXPECT_GT(MenuCommands(english).size(), 50u);
    EXPECT_EQ(MenuCommands(module), MenuCommands(english));
    EXPECT_EQ(Accelerators(module), Accelerators(english));
    // Plain and Shift keys belong to typing and Alt to the menus.
    for (auto [command, key, flags] : Accelerators(english)) {
        EXPECT_TRUE((flags & FCONTROL) != 0 || (key >= VK_F1 && key <= VK_F24)) << command;
        EXPECT_EQ(flags & FALT, 0) << command;
    }
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    for (int dialog : {IDD_ABOUT, IDD_GOTOLINE, IDD_LINESPACING, IDD_MARGINS}) {
        std::vector<std::pair<int, int>> controls = Controls(english, dialog);
        EXPECT_EQ(Controls(module, dialog), controls) << dialog;
        for (auto [control, field] : controls) EXPECT_NE(field, 0) << control;  // arrows without their field
    }
    EXPECT_NE(LoadImageA(module, MAKEINTRESOURCEA(IDI_MAINICON), IMAGE_ICON, 16, 16, 0), nullptr);
    wchar_t text[256];
    int n = LoadStringW(module, GetParam().id, text, 256);
    EXPECT_EQ(std::wstring(text, n > 0 ? n : 0), GetParam().text);
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
        std::string path = test::DistFolder() + "Help\\" + name;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
        char magic[4] = {};
        DWORD read = 0;
        ReadFile(file, magic, sizeof magic, &read, nullptr);
        EXPECT_GT(GetFileSize(file, nullptr), 10000u) << name;
        CloseHandle(file);
        EXPECT_EQ(std::string(magic, read), "ITSF") << name;
    }
}

}  // namespace
}  // namespace velmo
