// Start-up: the time from starting Velmo.exe (a copy of the distribution
// folder) to its first painted window, with an empty document and with a
// 100 MB file, against the same for a program that only shows a window
// (this benchmark started with --window).
#include <windows.h>

#include <string>
#include <vector>

#include "bench_controls.h"
#include "bench_support.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\'));
}

// Copies every file of `from` and of its sub-folders into `to`.
void CopyFolder(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CopyFolder(from + "\\" + name, to + "\\" + name);
        } else {
            CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

struct Found {
    DWORD thread;
    HWND window;
};

BOOL CALLBACK TakeWindow(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) return TRUE;
    reinterpret_cast<Found*>(found)->window = window;
    return FALSE;
}

// Shown, and nothing in it or its children waits to be painted.
bool Painted(HWND window) {
    if (window == nullptr || !IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return false;
    }
    return true;
}

// Milliseconds from CreateProcess to the first painted top-level window.
double TimeToFirstPaint(const std::string& command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return kNone;
    }
    WaitForInputIdle(process.hProcess, 60000);
    Found found{process.dwThreadId, nullptr};
    while (Now() - start < 60000) {
        found.window = nullptr;
        EnumThreadWindows(process.dwThreadId, TakeWindow, reinterpret_cast<LPARAM>(&found));
        if (Painted(found.window)) break;
        Sleep(1);
    }
    double ms = Now() - start;
    if (found.window != nullptr) PostMessageA(found.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return found.window != nullptr ? ms : kNone;
}

double MedianStart(const std::string& command) {
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) times.push_back(TimeToFirstPaint(command));
    return Median(times);
}

}  // namespace

void RunStartUp(Context& c) {
    std::string dist = c.files.Folder() + "\\dist";
    CopyFolder(ProgramFolder() + "\\..\\dist", dist);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    double baseline = MedianStart(std::string("\"") + self + "\" --window");
    std::string velmo = "\"" + dist + "\\Velmo.exe\"";
    double empty = MedianStart(velmo);
    double big = MedianStart(velmo + " \"" + c.files.Lines(100 * kMB, 80) + "\"");
    c.report.Add(Row{"start-up", "to the first painted window, empty document", "-", empty, kNone, baseline, "ms",
                     empty / baseline});
    c.report.Add(Row{"start-up", "to the first painted window, a file", "100 MB", big, kNone, baseline, "ms",
                     big / baseline});
}

int ShowWindowOnly() {
    HWND window = CreateWindowExA(0, "STATIC", "Velmo benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    // A posted WM_CLOSE destroys it (DefWindowProc), which ends the loop.
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

}  // namespace velmo::bench
