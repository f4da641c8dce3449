#pragma once
// The two controls under test, Velmo's "velmoedit" and the system's "EDIT",
// each created alone in one visible frame window (one velmoedit per process)
// and driven through the same messages wherever both understand them.
#include <windows.h>

#include <cstdint>
#include <string>

namespace velmo::bench {

enum class Kind { kVelmo, kEdit };
const char* KindName(Kind kind);

class Editor {
public:
    Editor(Kind kind, bool wrap);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    bool Ok() const { return window_ != nullptr; }
    Kind GetKind() const { return kind_; }
    HWND Window() const { return window_; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(window_, message, wParam, lParam);
    }
    // The whole file as the document: EVM_FILEIO for Velmo, the file read and
    // given with WM_SETTEXT for EDIT. Paints. False when it was refused.
    bool Open(const std::string& path) const;
    // A new empty document, so that the next measure starts from nothing.
    void Clear() const;
    void Paint() const { UpdateWindow(window_); }
    std::uint32_t Length() const;
    void Select(std::uint32_t start, std::uint32_t end) const;
    void Key(WPARAM key, bool ctrl) const;
    void Resize(int width, int height) const;

private:
    Kind kind_;
    HWND window_ = nullptr;
};

// Delivers what waits in the queue (posted notifications, paints).
void PumpMessages();

// --velmo-only: no EDIT is created (Ok() is false), for a quick run.
void LeaveOutEdit();

}  // namespace velmo::bench
