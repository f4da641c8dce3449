// Painting one screen must cost about the same whatever the document's size:
// rows are found by binary search and only the visible ones are measured.
// Paints the middle of a 100 MB document and of an 8 KB one (a little more
// than a screen, so that both screens are full), with word wrap off
// and on, and prints the cost of each against the small document's.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "editview/editview.h"
#include "editview/editview_messages.h"
#include "editview/view/painter.h"

namespace {

using namespace velmo;

std::string MakeDocument(std::size_t size) {
    std::string text;
    text.reserve(size + 128);
    for (unsigned i = 0; text.size() < size; ++i) {
        text += "The quick brown fox jumps over the lazy dog, line ";
        text += std::to_string(i);
        text += i % 7 == 0 ? std::string(300, 'w') + "\r\n" : "\r\n";
    }
    text.resize(size);
    return text;
}

void SetText(HWND edit, const std::string& text) {
    HGLOBAL old = reinterpret_cast<HGLOBAL>(SendMessageA(edit, EM_GETHANDLE, 0, 0));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.data(), text.size());
    GlobalUnlock(block);
    SendMessageA(edit, EVM_SETTEXTHANDLE, reinterpret_cast<WPARAM>(block), static_cast<LPARAM>(text.size()));
    GlobalFree(old);
}

// Microseconds per paint of the whole client area, at the document's middle.
double PaintCost(HWND edit, const std::string& text, bool wrap) {
    SetText(edit, text);
    SendMessageA(edit, EVM_SETWORDWRAP, wrap ? 1 : 0, 0);
    SendMessageA(edit, EM_SETSEL, text.size() / 2, text.size() / 2);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    RECT client;
    GetClientRect(edit, &client);
    HDC screen = GetDC(edit);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    constexpr int kPaints = 200;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kPaints; ++i) {
        SendMessageA(edit, WM_VSCROLL, i % 2 == 0 ? SB_LINEDOWN : SB_LINEUP, 0);
        PaintRows(dc, client);
    }
    double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(edit, screen);
    SendMessageA(edit, EVM_SETWORDWRAP, 0, 0);
    return us / kPaints;
}

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterEditViewClass(instance);
    HWND edit = CreateWindowExA(0, kEditViewClassName, nullptr, WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, 0, 800, 600,
                                nullptr, nullptr, instance, nullptr);
    if (edit == nullptr) return 1;
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    std::string small = MakeDocument(8 * 1024), large = MakeDocument(100u << 20);
    for (bool wrap : {false, true}) {
        double base = PaintCost(edit, small, wrap);
        double big = PaintCost(edit, large, wrap);
        std::printf("wrap %-3s  8 KB: %8.1f us per screen  100 MB: %8.1f us  ratio %.2f\n", wrap ? "on" : "off",
                    base, big, big / base);
    }
    DestroyWindow(edit);
    return 0;
}
