// The real program, started as its own processes from a copy of the
// distribution folder with a settings file of its own.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "language_test_support.h"

namespace velmo::test {
namespace {

constexpr DWORD kWaitMs = 20000;

// Velmo.exe and its language libraries in a fresh temporary folder.
class Distribution {
public:
    Distribution() {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "velmo_program_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        CreateDirectoryA((folder_ + "Languages").c_str(), nullptr);
        Copy("Velmo.exe");
        for (const char* name : kLanguageNames) Copy(std::string("Languages\\") + name + ".dll");
    }
    ~Distribution() {
        DeleteFileA(Ini().c_str());
        for (auto it = files_.rbegin(); it != files_.rend(); ++it) DeleteFileA(it->c_str());
        RemoveDirectoryA((folder_ + "Languages").c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    Distribution(const Distribution&) = delete;
    Distribution& operator=(const Distribution&) = delete;

    std::string Folder() const { return folder_; }
    std::string Exe() const { return folder_ + "Velmo.exe"; }
    std::string Ini() const { return folder_ + "Velmo.ini"; }
    struct Entry {
        const char* key;
        const char* value;
    };
    void Write(std::initializer_list<Entry> entries) const {
        for (const Entry& e : entries) WritePrivateProfileStringA("Velmo 2", e.key, e.value, Ini().c_str());
    }
    std::string Read(const char* key) const {
        char value[300];
        GetPrivateProfileStringA("Velmo 2", key, "<missing>", value, sizeof value, Ini().c_str());
        return value;
    }

private:
    void Copy(const std::string& name) {
        ASSERT_TRUE(CopyFileA((DistFolder() + name).c_str(), (folder_ + name).c_str(), FALSE)) << name;
        files_.push_back(folder_ + name);
    }
    std::string folder_;
    std::vector<std::string> files_;
};

// A top-level window of class `name` that belongs to `process`, or to any
// other process than `process` when `other` is set.
struct WindowSearch {
    DWORD process;
    bool other;
    const char* name;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char name[32];
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((owner == search->process) == search->other || !GetClassNameA(window, name, sizeof name) ||
        std::string(name) != search->name) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND WaitForWindow(DWORD process, bool other, const char* className = "Velmo 2") {
    WindowSearch search{process, other, className, nullptr};
    for (DWORD waited = 0; waited < kWaitMs && search.found == nullptr; waited += 50) {
        Sleep(50);
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

// One running copy of the program and its main window.
class Program {
public:
    explicit Program(const Distribution& distribution) {
        std::string line = "\"" + distribution.Exe() + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(distribution.Exe().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            return;
        }
        window_ = WaitForWindow(process_.dwProcessId, false);
        if (window_ != nullptr) WaitForInputIdle(process_.hProcess, kWaitMs);
    }
    ~Program() {
        // A copy that did not end (a test failed) must not hold up the run.
        if (!Close() && process_.hProcess != nullptr) TerminateProcess(process_.hProcess, 1);
        if (process_.hProcess != nullptr) {
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND window() const { return window_; }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    DWORD id() const { return process_.dwProcessId; }
    RECT Rect() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return r;
    }
    std::string Title() const {
        char title[300] = "";
        GetWindowTextA(window_, title, sizeof title);
        return title;
    }
    // Asks the program to end and waits for it; true when it ended.
    bool Close() {
        if (process_.hProcess == nullptr) return false;
        if (window_ != nullptr && IsWindow(window_)) PostMessageA(window_, WM_CLOSE, 0, 0);
        bool ended = WaitForSingleObject(process_.hProcess, kWaitMs) == WAIT_OBJECT_0;
        window_ = nullptr;
        return ended;
    }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// Polls `done` for up to two seconds, for what the program does on its own time.
template <typename Done>
bool Eventually(Done done) {
    for (int i = 0; i < 40 && !done(); ++i) Sleep(50);
    return done();
}

// The text of a status bar part, read through the program's own memory: the
// bar's messages carry pointers, which the system does not carry across
// processes.
std::string StatusPart(HWND bar, int part) {
    DWORD owner = 0;
    GetWindowThreadProcessId(bar, &owner);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, owner);
    if (process == nullptr) return "<no process>";
    char text[256] = "<unreadable>";
    void* remote = VirtualAllocEx(process, nullptr, sizeof text, MEM_COMMIT, PAGE_READWRITE);
    if (remote != nullptr && LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0)) < sizeof text) {
        SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, text, sizeof text, nullptr);
        text[sizeof text - 1] = '\0';
    }
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return text;
}

HWND StatusBarOf(HWND main) { return FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr); }

void ExpectRect(const RECT& r, LONG x, LONG y, LONG width, LONG height) {
    EXPECT_EQ(r.left, x);
    EXPECT_EQ(r.top, y);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

void ExpectSavedPlacement(const Distribution& dist, const char* x, const char* y, const char* width,
                          const char* height) {
    EXPECT_EQ(dist.Read("x"), x);
    EXPECT_EQ(dist.Read("y"), y);
    EXPECT_EQ(dist.Read("Width"), width);
    EXPECT_EQ(dist.Read("Height"), height);
}

TEST(ProgramTest, WithoutSettingsFileStartsWithDefaultsAndWritesTheExitSettings) {
    Distribution dist;
    Program program(dist);
    ASSERT_NE(program.window(), nullptr);
    ExpectRect(program.Rect(), 120, 100, 850, 531);
    EXPECT_EQ(program.Title(), "Velmo 2 - Untitled");
    ASSERT_TRUE(program.Close());
    ExpectSavedPlacement(dist, "120", "100", "850", "531");
    EXPECT_EQ(dist.Read("MruCount"), "0");
    EXPECT_EQ(dist.Read("Maximized"), "0");
    EXPECT_EQ(dist.Read("FullScr"), "0");
    EXPECT_EQ(dist.Read("Wrap"), "<missing>");  // option keys are written by their commands only
}

TEST(ProgramTest, ValidSettingsPlaceTheWindowAndShapeIt) {
    Distribution dist;
    dist.Write({{"x", "200"}, {"y", "150"}, {"Width", "600"}, {"Height", "400"}});
    dist.Write({{"Status", "0"}, {"FullScr", "1"}});
    Program program(dist);
    ASSERT_NE(program.window(), nullptr);
    ExpectRect(program.Rect(), 200, 150, 600, 400);
    EXPECT_EQ(FindWindowExA(program.window(), nullptr, "msctls_statusbar32", nullptr), nullptr);
    EXPECT_EQ(GetWindowLongA(program.window(), GWL_STYLE) & WS_CAPTION, 0);  // full screen: no caption
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(dist.Read("x"), "200");
    EXPECT_EQ(dist.Read("Width"), "600");
    EXPECT_EQ(dist.Read("FullScr"), "1");
}

TEST(ProgramTest, GarbageSettingsAreValidated) {
    Distribution dist;
    dist.Write({{"x", "-5"},
                {"y", "abc"},
                {"Width", "99999"},
                {"Height", "4294967295"},
                {"Language", "7"},
                {"MruCount", "25"},
                {"PaddingAbove", "123456789"},
                {"FontHeight", "12345678901234567890"}});
    Program program(dist);
    ASSERT_NE(program.window(), nullptr);
    ExpectRect(program.Rect(), 120, 100, 770, 531);
    EXPECT_EQ(program.Title(), "Velmo 2 - Untitled");  // the English library
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(dist.Read("x"), "120");
    EXPECT_EQ(dist.Read("Width"), "770");
    EXPECT_EQ(dist.Read("MruCount"), "10");
}

TEST(ProgramTest, SecondCopyOpensThirtyPixelsUpAndLeftOfTheFirst) {
    Distribution dist;
    dist.Write({{"x", "120"}, {"y", "100"}});
    Program first(dist);
    ASSERT_NE(first.window(), nullptr);
    Program second(dist);
    ASSERT_NE(second.window(), nullptr);
    ExpectRect(second.Rect(), 90, 70, 850, 531);
    ASSERT_TRUE(second.Close());
    ASSERT_TRUE(first.Close());
}

// A copy that starts maximised never shows its normal size, so it must not
// record it: the shared record keeps the first copy's.
TEST(ProgramTest, ASecondCopyStartedMaximisedLeavesTheSharedSizeAlone) {
    Distribution dist;
    dist.Write({{"x", "10"}, {"y", "100"}, {"Width", "1250"}, {"Height", "531"}});
    Program first(dist);
    ASSERT_NE(first.window(), nullptr);
    dist.Write({{"Maximized", "1"}});
    Program second(dist);  // cascaded to x = 40 and narrowed to fit
    ASSERT_NE(second.window(), nullptr);
    HANDLE section = OpenFileMappingA(FILE_MAP_READ, FALSE, "Velmo 2");
    ASSERT_NE(section, nullptr);
    const auto* shared = static_cast<const LONG*>(MapViewOfFile(section, FILE_MAP_READ, 0, 0, 16));
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared[0], 10);
    EXPECT_EQ(shared[2], 1250);
    UnmapViewOfFile(shared);
    CloseHandle(section);
    ASSERT_TRUE(second.Close());
    ASSERT_TRUE(first.Close());
}

TEST(ProgramTest, InsertShowsOverwriteInTheStatusBarAtOnce) {
    Distribution dist;
    Program program(dist);
    ASSERT_NE(program.window(), nullptr);
    HWND bar = StatusBarOf(program.window());
    HWND edit = FindWindowExA(program.window(), nullptr, "velmoedit", nullptr);
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(StatusPart(bar, 3), " INS");
    PostMessageA(edit, WM_KEYDOWN, VK_INSERT, 1);
    PostMessageA(edit, WM_KEYUP, VK_INSERT, 0xC0000001);
    EXPECT_TRUE(Eventually([&] { return StatusPart(bar, 3) == " OVR"; })) << StatusPart(bar, 3);
    ASSERT_TRUE(program.Close());
}

TEST(ProgramTest, TheStatusBarToggledWhileMaximisedKeepsTheNormalSize) {
    Distribution dist;
    dist.Write({{"x", "200"}, {"y", "150"}, {"Width", "600"}, {"Height", "400"}});
    Program program(dist);
    HWND main = program.window();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(Eventually([&] { return IsZoomed(main) != 0; }));
    PostMessageA(main, WM_COMMAND, 403, 0);
    ASSERT_TRUE(Eventually([&] { return StatusBarOf(main) == nullptr; }));
    ASSERT_TRUE(program.Close());
    ExpectSavedPlacement(dist, "200", "150", "600", "400");
    EXPECT_EQ(dist.Read("Maximized"), "1");
    EXPECT_EQ(dist.Read("Status"), "0");
}

TEST(ProgramTest, NewWindowCommandStartsAnotherCopy) {
    Distribution dist;
    Program first(dist);
    ASSERT_NE(first.window(), nullptr);
    PostMessageA(first.window(), WM_COMMAND, 307, 0);
    HWND second = WaitForWindow(first.id(), true);
    ASSERT_NE(second, nullptr);
    RECT r{};
    GetWindowRect(second, &r);
    EXPECT_EQ(r.left, 90);
    EXPECT_EQ(r.top, 70);
    PostMessageA(second, WM_CLOSE, 0, 0);
    for (int i = 0; i < 400 && IsWindow(second); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(second));
    ASSERT_TRUE(first.Close());
}

// Closing the window while a typing playback runs stops the worker and waits
// for it: nothing is asked (the stopped playback leaves the document
// unmodified) and the process ends on its own.
TEST(ProgramTest, ClosingDuringATypingPlaybackEndsTheProcess) {
    Distribution dist;
    const std::string played = dist.Folder() + "played.txt";
    HANDLE file = CreateFileA(played.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, std::string(40, 'p').data(), 40, &written, nullptr);
    CloseHandle(file);
    {
        Program program(dist);
        ASSERT_NE(program.window(), nullptr);
        PostMessageA(program.window(), WM_COMMAND, 309, 0);
        HWND dialog = WaitForWindow(program.id(), false, "#32770");
        ASSERT_NE(dialog, nullptr);
        // The window exists before its controls do.
        for (DWORD waited = 0; waited < kWaitMs && !(IsWindowVisible(dialog) && GetDlgItem(dialog, 1148)); waited += 50) {
            Sleep(50);
        }
        SendMessageA(GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(played.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        HWND edit = FindWindowExA(program.window(), nullptr, "velmoedit", nullptr);
        for (DWORD waited = 0; waited < kWaitMs && LOWORD(SendMessageA(edit, EM_GETSEL, 0, 0)) < 2; waited += 50) {
            Sleep(50);
        }
        EXPECT_GE(LOWORD(SendMessageA(edit, EM_GETSEL, 0, 0)), 2);
        EXPECT_EQ(program.Title(), "Velmo 2 - played.txt");
        EXPECT_TRUE(program.Close());
        EXPECT_EQ(program.ExitCode(), 0u);
    }
    DeleteFileA(played.c_str());
}

}  // namespace
}  // namespace velmo::test
