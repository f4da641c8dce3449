// Language libraries on a real window with a real menu: the version check,
// start-up and its fallback, the Language submenu and switching at run time;
// and what each shipped translation must keep of the English strings.
#include "settings/language_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language_test_support.h"
#include "resource_ids.h"
#include "settings/language_menu.h"
#include "temp_folder.h"

namespace velmo {
namespace {

using test::LanguageText;
using test::MenuText;
using Texts = std::vector<std::string>;
Texts messages;  // the language message boxes, recorded instead of shown
Texts calls;     // the steps of a switch that belong to other parts

int Record(HWND, const char* text, const char*, UINT) {
    messages.push_back(text);
    return IDOK;
}
void InsertRecent(HMENU) { calls.push_back("recent"); }
void WriteLanguage(std::uint32_t language) { calls.push_back("write " + std::to_string(language)); }
void RefreshStatus() { calls.push_back("status"); }

std::string Built(const std::string& name) { return test::DistFolder() + "Languages\\" + name + ".dll"; }
// Fixture libraries built beside the test program.
std::string Fixture(const std::string& name) { return test::ExeFolder() + "fixtures\\" + name + ".dll"; }

bool Checked(HMENU menu, UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0; }

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        messages.clear();
        calls.clear();
        SetLanguageMessageBox(Record);
        CreateDirectoryA(Languages().c_str(), nullptr);
    }
    void TearDown() override {
        DestroyWindow(window_);
        ReleaseLanguage();
        SystemHeap().FailAfter(0);
        SetLanguageMessageBox(nullptr);
    }
    const char* Folder() const { return folder_.path().c_str(); }  // the program folder
    std::string Languages() const { return folder_.path() + "Languages\\"; }
    void Add(const std::string& source, const std::string& name) {
        ASSERT_TRUE(CopyFileA(source.c_str(), (Languages() + name).c_str(), FALSE)) << source;
    }
    // Starts with the saved `language` and opens a window with its menus.
    void Open(std::uint32_t language) {
        language_ = language;
        ASSERT_TRUE(StartLanguage(Folder(), &language_));
        HMENU menu = LoadMenuA(Language().module, MAKEINTRESOURCEA(IDR_MAINMENU));
        window_ = CreateWindowA("STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, menu, nullptr, nullptr);
        ASSERT_TRUE(CreateExtraMenus(GetMenu(window_)));
        RebuildLanguageMenu(Folder());
    }
    bool Switch(UINT command, const MenuChecks& checks = {}) {
        const LanguageSwitchHooks hooks{InsertRecent, WriteLanguage, RefreshStatus};
        return SwitchLanguage(window_, Folder(), command, &language_, checks, hooks);
    }

    TempFolder folder_;
    std::uint32_t language_ = 0;
    HWND window_ = nullptr;
};

// Listed in the folder's name order from 10000 however often it is rebuilt,
// the current one checked; a fourth library, unknown to the saved-identifier
// mapping, is loaded itself, not the file the mapping gives for its position,
// and saved as English.
TEST_F(LanguageTest, ListsEveryLibraryOnceAndLoadsTheChosenFile) {
    for (const char* name : {"Czech", "English", "Slovak"}) Add(Built(name), std::string(name) + ".dll");
    Add(Fixture("Deutsch"), "Deutsch.dll");
    Open(10001);
    HMENU options = GetSubMenu(GetMenu(window_), 5);  // the submenu stands right in front of command 500
    EXPECT_EQ(GetSubMenu(options, 0), LanguageMenu());
    EXPECT_EQ(MenuText(options, 0, MF_BYPOSITION), "&Language");
    EXPECT_EQ(GetMenuItemID(options, 1), static_cast<UINT>(IDM_STAY_ON_TOP));
    EXPECT_EQ(MenuText(TrayMenu(), IDM_TRAY_RESTORE, MF_BYCOMMAND) + MenuText(TrayMenu(), IDM_TRAY_LEAVE, MF_BYCOMMAND),
              "&RestoreE&xit");
    const char* names[] = {"Czech", "Deutsch", "English", "Slovak"};
    for (int round = 0; round < 3; ++round) {
        RebuildLanguageMenu(Folder());
        ASSERT_EQ(GetMenuItemCount(LanguageMenu()), 4);
        for (UINT i = 0; i < 4; ++i) {
            EXPECT_EQ(MenuText(LanguageMenu(), i, MF_BYPOSITION), names[i]);
            EXPECT_EQ(GetMenuItemID(LanguageMenu(), i), 10000 + i);
            EXPECT_EQ(Checked(LanguageMenu(), 10000 + i), i == 2) << names[i];
        }
    }
    EXPECT_FALSE(Switch(10004));
    MenuChecks checks{true, false, false, false, false, false, true};  // word wrap, centre after find
    ASSERT_TRUE(Switch(10001, checks));
    EXPECT_STREQ(Language().fileName, "Deutsch.dll");
    EXPECT_EQ(LanguageText(IDS_UNTITLED), "Unbenannt");
    EXPECT_EQ(language_, 10001u);
    EXPECT_EQ(calls, (Texts{"recent", "write 10001", "status"}));
    HMENU menu = GetMenu(window_);
    EXPECT_TRUE(Checked(menu, IDM_WORD_WRAP) && Checked(menu, IDM_CENTER_AFTER_FIND));
    EXPECT_FALSE(Checked(menu, IDM_STATUS_BAR));
    EXPECT_EQ(GetSubMenu(GetSubMenu(menu, 5), 0), LanguageMenu());
    RebuildLanguageMenu(Folder());
    EXPECT_TRUE(Checked(LanguageMenu(), 10001));
    EXPECT_FALSE(Checked(LanguageMenu(), 10002));
    EXPECT_TRUE(messages.empty());

    SystemHeap().FailAfter(1);  // no memory for the list: empty until the next opening
    RebuildLanguageMenu(Folder());
    EXPECT_EQ(GetMenuItemCount(LanguageMenu()), 0);
    EXPECT_FALSE(Switch(10000));
    RebuildLanguageMenu(Folder());
    EXPECT_EQ(GetMenuItemCount(LanguageMenu()), 4);
}

// Before a library is loaded errors use the built-in English texts, after it
// the library's own. A program folder so long that a library's path would
// pass 259 bytes is refused instead of building a cut path.
TEST_F(LanguageTest, ErrorsSpeakTheLibrarysLanguageOnceOneIsLoaded) {
    EXPECT_EQ(LoadLanguageLibrary(nullptr, ("C:\\" + std::string(240, 'x') + "\\").c_str(), 10001), nullptr);
    EXPECT_EQ(Language().module, nullptr);
    SystemHeap().FailAfter(1);  // no memory for the version record
    EXPECT_FALSE(CheckLibraryVersion(nullptr, Built("English").c_str()));
    EXPECT_TRUE(CheckLibraryVersion(nullptr, Built("English").c_str()));
    Add(Built("Slovak"), "Slovak.dll");
    language_ = 10002;
    ASSERT_TRUE(StartLanguage(Folder(), &language_));
    HMODULE slovak = Language().module;
    SystemHeap().FailAfter(1);
    EXPECT_EQ(LoadLanguageFile(nullptr, Folder(), "Slovak.dll"), nullptr);
    EXPECT_EQ(Language().module, slovak);
    std::string wrongVersion = LanguageText(IDS_WRONG_VERSION);
    wrongVersion.replace(wrongVersion.find('%'), 1, "1.0.2.8");
    Texts expected{"Language Library loading error.", "Not enough memory.", LanguageText(IDS_NO_MEMORY), wrongVersion};
    EXPECT_EQ(messages, expected);
    EXPECT_NE(messages[2], messages[1]);
}

struct BadLibrary {
    const char* name;
    const char* fixture;  // nullptr: no file at all
    bool passes;          // the version check passes
};

class BadLibraryTest : public LanguageTest, public ::testing::WithParamInterface<BadLibrary> {};

// In place of Slovak, a library that fails the version check is refused
// silently by the check itself; chosen at run time or saved, with a message
// (the library's own once one is loaded) and nothing changed; as the only
// English it ends start-up. One without a menu becomes the language, and the
// window keeps its menu.
TEST_P(BadLibraryTest, IsRefusedWithAMessageAndChangesNothing) {
    const BadLibrary& row = GetParam();
    std::string file = Fixture(row.fixture != nullptr ? row.fixture : "missing");
    EXPECT_EQ(CheckLibraryVersion(nullptr, file.c_str()), row.passes);
    EXPECT_TRUE(messages.empty());
    Add(Built("English"), "English.dll");
    if (row.fixture != nullptr) Add(file, "Slovak.dll");
    Open(10001);
    HMENU menu = GetMenu(window_);
    HMODULE english = Language().module;
    EXPECT_EQ(Switch(10001), row.passes);  // Slovak, unlisted without a file
    EXPECT_EQ(GetMenu(window_), menu);
    EXPECT_EQ(GetSubMenu(GetSubMenu(menu, 5), 0), LanguageMenu());
    EXPECT_EQ(language_, row.passes ? 10002u : 10001u);
    EXPECT_EQ(Language().module == english, !row.passes);
    EXPECT_EQ(calls, (row.passes ? Texts{"write 10002", "status"} : Texts{}));
    Texts refused{"Invalid version of the language file. Version 1.0.2.8 is required."};
    EXPECT_EQ(messages, row.passes || row.fixture == nullptr ? Texts{} : refused);

    ReleaseLanguage();
    messages.clear();
    language_ = 10002;
    ASSERT_TRUE(StartLanguage(Folder(), &language_));
    EXPECT_EQ(language_, row.passes ? 10002u : 10001u);
    EXPECT_STREQ(Language().fileName, row.passes ? "Slovak.dll" : "English.dll");
    const char* builtIn = "Invalid Version of Language File. Version 1.0.2.8 is required.";
    EXPECT_EQ(messages, row.passes ? Texts{} : Texts{builtIn});

    ReleaseLanguage();
    messages.clear();
    if (row.fixture != nullptr) Add(file, "English.dll");  // in place of English too
    if (row.fixture == nullptr) DeleteFileA((Languages() + "English.dll").c_str());
    language_ = 10001;
    EXPECT_EQ(StartLanguage(Folder(), &language_), row.passes);
    EXPECT_EQ(Language().module != nullptr, row.passes);
    const char* noDefault = "Invalid Version of Defaut Language File. Version 1.0.2.8 is required.";
    EXPECT_EQ(messages, (row.passes ? Texts{} : Texts{builtIn, noDefault}));
    ReleaseLanguage();
}

INSTANTIATE_TEST_SUITE_P(Libraries, BadLibraryTest,
                         ::testing::Values(BadLibrary{"OlderVersion", "version_1027", false},
                                           BadLibrary{"VersionInAnotherBlock", "wrong_block", false},
                                           BadLibrary{"NoVersionRecord", "no_version", false},
                                           BadLibrary{"NoFile", nullptr, false},
                                           BadLibrary{"WithoutMenus", "menuless", true}),
                         [](const auto& info) { return std::string(info.param.name); });

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

// Every string English holds, with the same conversions, in the translation's
// own letters whatever the machine's code page: each holds one string with
// letters that Windows-1252 does not have.
TEST(TranslationTest, HoldsTheStringsEnglishHoldsInItsOwnLetters) {
    const struct {
        const char* language;
        UINT id;
        const wchar_t* text;
    } translations[] = {
        {"Slovak", IDS_LOAD_ERROR, L"Jazykov\u00fa kni\u017enicu sa nepodarilo na\u010d\u00edta\u0165."},
        {"Czech", IDS_STATUS_LINES, L"\u0158\u00e1dk\u016f: %"},
    };
    HMODULE english = LoadLibraryExA(Built("English").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    for (const auto& t : translations) {
        HMODULE module = LoadLibraryExA(Built(t.language).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << t.language;
        for (UINT id = 1; id < 64; ++id) EXPECT_EQ(Shape(module, id), Shape(english, id)) << t.language << " " << id;
        wchar_t text[256];
        int n = LoadStringW(module, t.id, text, 256);
        EXPECT_EQ(std::wstring(text, n > 0 ? n : 0), t.text) << t.language;
        FreeLibrary(module);
    }
    FreeLibrary(english);
}

}  // namespace
}  // namespace velmo
