#include "snapshot.h"

#include <windows.h>
#include <commctrl.h>

#include "status_text.h"

namespace journeys {
namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box

std::string Number(long value) { return std::to_string(value); }

std::string Place(const RECT& r) {
    return Number(r.left) + "," + Number(r.top) + " " + Number(r.right - r.left) + "x" + Number(r.bottom - r.top);
}

std::string Text(HWND window) {
    char text[1024] = "";
    if (window != nullptr) GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Owner(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return Number(static_cast<long>(process));
}

RECT ScreenClientRect(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void DescribeMain(HWND window, std::vector<std::string>& lines) {
    const std::string pid = Owner(window);
    RECT r{};
    GetWindowRect(window, &r);
    lines.push_back("main " + pid + " " + Place(r) + " " + Text(window));
    if (HWND edit = FindWindowExA(window, nullptr, "velmoedit", nullptr)) {
        lines.push_back("edit " + pid + " " + Place(ScreenClientRect(edit)));
    }
    if (HWND bar = FindWindowExA(window, nullptr, STATUSCLASSNAMEA, nullptr)) {
        std::string parts;
        for (const std::string& part : ReadStatusParts(bar)) parts += (parts.empty() ? "" : "|") + part;
        lines.push_back("status " + pid + " " + parts);
    }
}

void DescribeDialog(HWND window, std::vector<std::string>& lines) {
    RECT r{};
    GetWindowRect(window, &r);
    lines.push_back("dialog " + Owner(window) + " " + Place(r) + " " + Text(window) + "|" +
                    Text(GetDlgItem(window, kMessageTextId)));
}

BOOL CALLBACK Describe(HWND window, LPARAM lParam) {
    auto& lines = *reinterpret_cast<std::vector<std::string>*>(lParam);
    if (!IsWindowVisible(window)) return TRUE;
    const std::string name = ClassOf(window);
    if (name == "Velmo 2") DescribeMain(window, lines);
    if (name == "#32770") DescribeDialog(window, lines);
    return TRUE;
}

}  // namespace

std::vector<std::string> TakeSnapshot() {
    std::vector<std::string> lines;
    EnumWindows(Describe, reinterpret_cast<LPARAM>(&lines));
    return lines;
}

}  // namespace journeys
