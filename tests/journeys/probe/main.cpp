// Reads for the user journeys what a user sees, without touching the input:
//   journey_probe DESKTOP show               the snapshot
//   journey_probe DESKTOP wait MS PATTERN    waits until a line matches, prints it
//   journey_probe DESKTOP gone MS PATTERN    waits until no line matches
// DESKTOP names the Wine desktop the program runs on. The snapshot holds one
// line per fact, read through the windows' own interfaces from this process:
//   main <pid> <x>,<y> <w>x<h> <title>       a window of class "Velmo 2"
//   edit <pid> <x>,<y> <w>x<h>               its text area, screen pixels
//   status <pid> <first part>                its status bar
//   dialog <pid> <x>,<y> <w>x<h> <caption>|<message text>
// A wait that times out exits 1.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr int kMessageText = 0xFFFF;  // the static text of a message box

std::string Owner(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return std::to_string(process);
}

// "<pid> <x>,<y> <w>x<h>": the window's owner and a rectangle on the screen.
std::string Place(HWND window, const RECT& r) {
    return Owner(window) + " " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// WM_GETTEXT, which the system carries across processes; a status bar
// answers with its first part.
std::string Text(HWND window) {
    char text[1024] = "";
    if (window != nullptr) SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

BOOL CALLBACK Describe(HWND window, LPARAM lParam) {
    auto& lines = *reinterpret_cast<std::vector<std::string>*>(lParam);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    RECT r{};
    GetWindowRect(window, &r);
    if (IsWindowVisible(window) && std::string(name) == "#32770") {
        const std::string message = Text(GetDlgItem(window, kMessageText));
        lines.push_back("dialog " + Place(window, r) + " " + Text(window) + "|" + message);
    }
    if (!IsWindowVisible(window) || std::string(name) != "Velmo 2") return TRUE;
    lines.push_back("main " + Place(window, r) + " " + Text(window));
    if (HWND edit = FindWindowExA(window, nullptr, "velmoedit", nullptr)) {
        GetClientRect(edit, &r);
        MapWindowPoints(edit, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        lines.push_back("edit " + Place(edit, r));
    }
    if (HWND bar = FindWindowExA(window, nullptr, "msctls_statusbar32", nullptr)) {
        lines.push_back("status " + Owner(bar) + " " + Text(bar));
    }
    return TRUE;
}

// The program's desktop comes and goes with the program: while there is
// none, nothing is shown.
std::vector<std::string> Snapshot(const char* desktopName) {
    static bool entered = false;
    std::vector<std::string> lines;
    if (!entered) {
        HDESK desktop = OpenDesktopA(desktopName, 0, FALSE, GENERIC_ALL);
        entered = desktop != nullptr && SetThreadDesktop(desktop);
        if (!entered && desktop != nullptr) CloseDesktop(desktop);
    }
    if (entered) EnumWindows(Describe, reinterpret_cast<LPARAM>(&lines));
    return lines;
}

// Polls until a line matches (present) or none does (!present).
int Await(const char* desktop, DWORD timeoutMs, const char* patternText, bool present) {
    const std::regex pattern(patternText);
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50)) {
        const std::vector<std::string> lines = Snapshot(desktop);
        auto match =
            std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return std::regex_search(l, pattern); });
        if ((match != lines.end()) != present) continue;
        if (present) std::printf("%s\n", match->c_str());
        return 0;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc >= 3 ? argv[2] : "";
    if ((command == "wait" || command == "gone") && argc == 5) {
        return Await(argv[1], std::strtoul(argv[3], nullptr, 10), argv[4], command == "wait");
    }
    if (command != "show" || argc != 3) {
        std::fputs("usage: journey_probe DESKTOP show | wait MS PATTERN | gone MS PATTERN\n", stderr);
        return 2;
    }
    for (const std::string& line : Snapshot(argv[1])) std::printf("%s\n", line.c_str());
    return 0;
}
