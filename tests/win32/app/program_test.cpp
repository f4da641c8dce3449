// The real program, started as its own process from a copy of the
// distribution folder with a settings file of its own. Placement across
// copies is walked through in the two-copies journey.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "main_frame_fixture.h"

namespace velmo::test {
namespace {

// Velmo.exe and its language libraries in a fresh temporary folder.
class Distribution {
public:
    Distribution() {
        CreateDirectoryA(Path("Languages").c_str(), nullptr);
        for (const char* name : kLanguageNames) Copy(std::string("Languages\\") + name + ".dll");
        Copy("Velmo.exe");
    }
    ~Distribution() {
        for (const char* name : kLanguageNames) DeleteFileA((Path("Languages\\") + name + ".dll").c_str());
        RemoveDirectoryA(Path("Languages").c_str());
    }

    std::string Path(const char* name) const { return folder_.path() + name; }
    struct Entry {
        const char* key;
        const char* value;
    };
    void Write(std::initializer_list<Entry> entries) const {
        for (const Entry& e : entries) WritePrivateProfileStringA("Velmo 2", e.key, e.value, Path("Velmo.ini").c_str());
    }
    std::string Read(const char* key) const { return IniValue(Path("Velmo.ini"), key); }

private:
    void Copy(const std::string& name) {
        ASSERT_TRUE(CopyFileA((DistFolder() + name).c_str(), Path(name.c_str()).c_str(), FALSE)) << name;
    }
    TempFolder folder_;
};

// The first top-level window of class `name` that belongs to `process`.
HWND WaitForWindow(DWORD process, const char* name) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (found = FindWindowExA(nullptr, nullptr, name, nullptr); found != nullptr;
             found = FindWindowExA(nullptr, found, name, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == process) return true;
        }
        return false;
    });
    return found;
}

// One running copy of the program and its main window.
class Program {
public:
    explicit Program(const Distribution& distribution) {
        std::string exe = distribution.Path("Velmo.exe");
        std::string line = "\"" + exe + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_)) {
            return;
        }
        window_ = WaitForWindow(process_.dwProcessId, "Velmo 2");
        if (window_ != nullptr) WaitForInputIdle(process_.hProcess, 20000);
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
    DWORD id() const { return process_.dwProcessId; }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
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
        window_ = nullptr;
        return WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

TEST(ProgramTest, GarbageSettingsAreValidatedAndTheExitSettingsWritten) {
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
    RECT r{};
    GetWindowRect(program.window(), &r);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 770);
    EXPECT_EQ(r.bottom - r.top, 531);
    EXPECT_EQ(program.Title(), "Velmo 2 - Untitled");  // the English library
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(dist.Read("x"), "120");
    EXPECT_EQ(dist.Read("Width"), "770");
    EXPECT_EQ(dist.Read("MruCount"), "10");
    EXPECT_EQ(dist.Read("FullScr"), "0");
    EXPECT_EQ(dist.Read("Wrap"), "<missing>");  // option keys are written by their commands only
}

// Closing the window while a typing playback runs stops the worker and waits
// for it: nothing is asked (the stopped playback leaves the document
// unmodified) and the process ends on its own.
TEST(ProgramTest, ClosingDuringATypingPlaybackEndsTheProcess) {
    Distribution dist;
    const std::string played = dist.Path("played.txt");
    WriteFileBytes(played, std::string(40, 'p'));
    Program program(dist);
    ASSERT_NE(program.window(), nullptr);
    PostMessageA(program.window(), WM_COMMAND, 309, 0);
    HWND dialog = WaitForWindow(program.id(), "#32770");
    ASSERT_NE(dialog, nullptr);
    // The window exists before its controls do.
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) && GetDlgItem(dialog, 1148) != nullptr; }));
    SendMessageA(GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(played.c_str()));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    HWND edit = FindWindowExA(program.window(), nullptr, "velmoedit", nullptr);
    EXPECT_TRUE(WaitUntil([&] { return LOWORD(SendMessageA(edit, EM_GETSEL, 0, 0)) >= 2; }));
    EXPECT_EQ(program.Title(), "Velmo 2 - played.txt");
    EXPECT_TRUE(program.Close());
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace velmo::test
