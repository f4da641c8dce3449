// The built language libraries: every resource the program takes from them
// is there, in every language, with the same identifiers and placeholders.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "language_test_support.h"
#include "resource_ids.h"

namespace velmo {
namespace {

using test::DistFolder;
using test::kLanguageNames;
using test::LibraryFile;

std::string LibraryPath(const char* language) { return DistFolder() + "Languages\\" + language + ".dll"; }

class LanguageResourcesTest : public ::testing::TestWithParam<const char*> {
protected:
    LibraryFile library_{LibraryPath(GetParam())};
    HMODULE module() const { return library_.get(); }

    std::string String(UINT id) const {
        char text[512];
        int n = LoadStringA(module(), id, text, sizeof text);
        return std::string(text, n > 0 ? n : 0);
    }
};

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageResourcesTest, ::testing::ValuesIn(kLanguageNames));

// The conversions of a wsprintf format, one letter each ("ss s" for three
// %s with a literal "%%" ignored).
std::string Conversions(const std::string& format) {
    std::string found;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        ++i;
        if (i < format.size() && format[i] == '%') continue;
        while (i < format.size() && std::string("-#0 123456789lh").find(format[i]) != std::string::npos) ++i;
        if (i < format.size()) found += format[i];
    }
    return found;
}

int Count(const std::string& text, char c) {
    int n = 0;
    for (char t : text) n += t == c;
    return n;
}

TEST_P(LanguageResourcesTest, EveryStringLoadsWithThePlaceholdersItsUsersExpect) {
    ASSERT_NE(module(), nullptr) << LibraryPath(GetParam());
    const std::set<UINT> substituted = {IDS_SAVE_CHANGES, IDS_FILE_NOT_FOUND, IDS_REPLACED_COUNT, IDS_STATUS_LINES,
                                        IDS_WRONG_VERSION};
    const UINT all[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22, 24, 25, 26, 27, 28, 29, 30, 31};
    for (UINT id : all) {
        std::string text = String(id);
        EXPECT_FALSE(text.empty()) << "string " << id;
        if (substituted.count(id) != 0) {
            EXPECT_EQ(Count(text, '%'), 1) << "string " << id << ": " << text;
        } else if (id == IDS_STATUS_POSITION) {
            EXPECT_EQ(Conversions(text), "sss") << text;  // line, column, selection length
        } else if (id == IDS_STATUS_CHARACTER) {
            std::string c = Conversions(text);
            ASSERT_EQ(c.size(), 2u) << text;  // the byte value, given twice
            for (char letter : c) EXPECT_NE(std::string("uUdixX").find(letter), std::string::npos) << text;
        } else {
            EXPECT_EQ(Count(text, '%'), 0) << "string " << id << ": " << text;
        }
    }
}

// String 4 is a dialog filter: description and pattern pairs, each piece
// ended by NUL, read into a zero-filled 128-byte buffer that supplies the
// final second NUL.
TEST_P(LanguageResourcesTest, FileFilterIsPairsOfNulTerminatedPieces) {
    char buffer[128] = {};
    int n = LoadStringA(module(), IDS_FILE_FILTER, buffer, sizeof buffer);
    ASSERT_GT(n, 0);
    ASSERT_LT(n, 127);
    std::vector<std::string> pieces;
    for (const char* p = buffer; *p != '\0'; p += pieces.back().size() + 1) pieces.emplace_back(p);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[1], "*.txt");
    EXPECT_EQ(pieces[3], "*.*");
}

void CollectCommands(HMENU menu, std::vector<UINT>& commands) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        if (info.hSubMenu != nullptr) {
            CollectCommands(info.hSubMenu, commands);
        } else if ((info.fType & MFT_SEPARATOR) == 0) {
            commands.push_back(info.wID);
        }
    }
}

std::vector<UINT> MenuCommands(HMODULE module) {
    HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAINMENU));
    std::vector<UINT> commands;
    if (menu == nullptr) return commands;
    CollectCommands(menu, commands);
    DestroyMenu(menu);
    return commands;
}

// Every command of the main window's table that lives in the main menu.
std::set<UINT> TableCommands() {
    std::set<UINT> all;
    auto range = [&all](UINT first, UINT last) {
        for (UINT c = first; c <= last; ++c) all.insert(c);
    };
    range(1, 9);
    range(100, 103);
    range(200, 206);
    range(300, 310);
    range(400, 406);
    range(500, 514);
    range(600, 601);
    range(800, 803);
    return all;
}

TEST_P(LanguageResourcesTest, MenuHoldsEveryCommandOnceInTheEnglishOrder) {
    std::vector<UINT> commands = MenuCommands(module());
    EXPECT_EQ(std::set<UINT>(commands.begin(), commands.end()), TableCommands());
    EXPECT_EQ(commands.size(), TableCommands().size());  // no command twice
    LibraryFile english(LibraryPath("English"));
    EXPECT_EQ(commands, MenuCommands(english.get()));
}

UINT CommandAt(HMENU menu, int position) { return GetMenuItemID(menu, position); }

// Positions the program relies on: file menu first with nine items before
// the recent files and 310 right after them; the edit menu second (also the
// context menu); command 501 in the sixth menu; 500 has a place in front.
TEST_P(LanguageResourcesTest, MenuPositionsMatchWhatTheProgramExpects) {
    HMENU menu = LoadMenuA(module(), MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_NE(menu, nullptr);
    HMENU file = GetSubMenu(menu, 0);
    EXPECT_EQ(CommandAt(file, 0), static_cast<UINT>(IDM_NEW));
    EXPECT_EQ(CommandAt(file, 9), static_cast<UINT>(IDM_HIDE_TO_TRAY));
    std::vector<UINT> edit;
    CollectCommands(GetSubMenu(menu, 1), edit);
    for (UINT c : {1u, 5u, 9u, 100u, 101u, 102u, 103u, 200u, 206u}) {
        EXPECT_NE(std::find(edit.begin(), edit.end(), c), edit.end()) << c;
    }
    std::vector<UINT> options;
    CollectCommands(GetSubMenu(menu, 5), options);
    EXPECT_NE(std::find(options.begin(), options.end(), static_cast<UINT>(IDM_CLEAR_RECENT)), options.end());
    EXPECT_NE(std::find(options.begin(), options.end(), static_cast<UINT>(IDM_STAY_ON_TOP)), options.end());
    DestroyMenu(menu);
}

std::vector<ACCEL> Accelerators(HMODULE module) {
    HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    if (table == nullptr) return {};
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    DestroyAcceleratorTable(table);
    return entries;
}

TEST_P(LanguageResourcesTest, AcceleratorsAreTheSameInEveryLanguageAndNameMenuCommands) {
    std::vector<ACCEL> entries = Accelerators(module());
    ASSERT_GE(entries.size(), 20u);
    std::set<UINT> table = TableCommands();
    for (const ACCEL& a : entries) {
        EXPECT_EQ(table.count(a.cmd), 1u) << a.cmd;
        // Plain and Shift keys belong to typing and the edit control's keys;
        // only Ctrl combinations and function keys may be taken.
        bool functionKey = (a.fVirt & FVIRTKEY) != 0 && a.key >= VK_F1 && a.key <= VK_F24;
        EXPECT_TRUE((a.fVirt & FCONTROL) != 0 || functionKey) << a.cmd;
        EXPECT_EQ(a.fVirt & FALT, 0) << a.cmd;  // Alt opens the menus
    }
    LibraryFile english(LibraryPath("English"));
    std::vector<ACCEL> reference = Accelerators(english.get());
    ASSERT_EQ(entries.size(), reference.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].cmd, reference[i].cmd);
        EXPECT_EQ(entries[i].key, reference[i].key);
        EXPECT_EQ(entries[i].fVirt, reference[i].fVirt);
    }
}

TEST_P(LanguageResourcesTest, IconLoadsInBothSizes) {
    for (int size : {16, 32}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(module(), MAKEINTRESOURCEA(IDI_MAINICON), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info;
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap;
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Each dialog opens from the library and has the controls the program
// drives; the up-down arrows are attached to their fields.
TEST_P(LanguageResourcesTest, DialogsHaveTheirControls) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    struct Expected {
        int dialog;
        std::vector<int> controls;
        std::vector<std::pair<int, int>> arrowsAndFields;
    };
    const Expected dialogs[] = {
        {IDD_ABOUT, {IDC_DIALOG_CLOSE, IDC_ABOUT_ICON, IDC_ABOUT_TEXT}, {}},
        {IDD_GOTOLINE, {IDC_GOTO_LINE, IDC_GOTO_OK, IDC_DIALOG_CLOSE}, {}},
        {IDD_LINESPACING,
         {IDC_SPACING_ABOVE, IDC_SPACING_BELOW, IDC_SPACING_OK, IDC_DIALOG_CLOSE},
         {{IDC_SPACING_ABOVE_UPDOWN, IDC_SPACING_ABOVE}, {IDC_SPACING_BELOW_UPDOWN, IDC_SPACING_BELOW}}},
        {IDD_MARGINS,
         {IDC_MARGIN_LEFT, IDC_MARGIN_RIGHT, IDC_MARGIN_OK, IDC_DIALOG_CLOSE},
         {{IDC_MARGIN_LEFT_UPDOWN, IDC_MARGIN_LEFT}, {IDC_MARGIN_RIGHT_UPDOWN, IDC_MARGIN_RIGHT}}},
    };
    for (const Expected& expected : dialogs) {
        HWND dialog = CreateDialogParamA(module(), MAKEINTRESOURCEA(expected.dialog), nullptr, QuietDialog, 0);
        ASSERT_NE(dialog, nullptr) << expected.dialog;
        for (int id : expected.controls) EXPECT_NE(GetDlgItem(dialog, id), nullptr) << expected.dialog << "/" << id;
        for (auto [arrows, field] : expected.arrowsAndFields) {
            HWND buddy = reinterpret_cast<HWND>(SendDlgItemMessageA(dialog, arrows, UDM_GETBUDDY, 0, 0));
            EXPECT_EQ(buddy, GetDlgItem(dialog, field)) << arrows;
        }
        DestroyWindow(dialog);
    }
}

// The texts are stored in Windows-1250; what the program reads must be the
// intended letters, whatever the code page of the machine.
TEST(LanguageTextsTest, CentralEuropeanLettersSurviveTheResourceCompiler) {
    struct Case {
        const char* language;
        UINT id;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"Slovak", IDS_UNTITLED, L"Bez n\u00e1zvu"},
        {"Slovak", IDS_NO_MEMORY, L"Nedostatok pam\u00e4te."},
        {"Slovak", IDS_LOAD_ERROR, L"Jazykov\u00fa kni\u017enicu sa nepodarilo na\u010d\u00edta\u0165."},
        {"Czech", IDS_STATUS_LINES, L"\u0158\u00e1dk\u016f: %"},
        {"Czech", IDS_NO_MEMORY, L"Nedostatek pam\u011bti."},
    };
    for (const Case& c : cases) {
        LibraryFile library(LibraryPath(c.language));
        wchar_t text[256];
        int n = LoadStringW(library.get(), c.id, text, 256);
        EXPECT_EQ(std::wstring(text, n > 0 ? n : 0), c.text) << c.language << " " << c.id;
    }
    LibraryFile slovak(LibraryPath("Slovak"));
    HMENU menu = LoadMenuW(slovak.get(), MAKEINTRESOURCEW(IDR_MAINMENU));
    wchar_t title[64];
    GetMenuStringW(menu, 0, title, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(title), L"&S\u00fabor");
    DestroyMenu(menu);
}

}  // namespace
}  // namespace velmo

namespace velmo {
namespace {

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
