#include "status_text.h"

#include <commctrl.h>

namespace journeys {
namespace {

constexpr UINT kTimeoutMs = 2000;
constexpr SIZE_T kTextRoom = 512;

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &answer)) return 0;
    return static_cast<LRESULT>(answer);
}

// A buffer inside the bar's own process: SB_GETTEXT writes through a pointer,
// which the system does not carry across processes.
class RemoteBuffer {
public:
    explicit RemoteBuffer(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
        if (process_ != nullptr) memory_ = VirtualAllocEx(process_, nullptr, kTextRoom, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (memory_ != nullptr) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_ != nullptr) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool ok() const { return memory_ != nullptr; }
    LPARAM address() const { return reinterpret_cast<LPARAM>(memory_); }
    void Clear() const {
        const char nothing = 0;
        WriteProcessMemory(process_, memory_, &nothing, 1, nullptr);
    }
    std::string Text() const {
        char text[kTextRoom] = {};
        SIZE_T got = 0;
        if (!ReadProcessMemory(process_, memory_, text, sizeof text - 1, &got)) return {};
        return text;
    }

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

}  // namespace

std::vector<std::string> ReadStatusParts(HWND statusBar) {
    std::vector<std::string> parts;
    RemoteBuffer buffer(statusBar);
    if (!buffer.ok()) return parts;
    const auto count = static_cast<int>(Ask(statusBar, SB_GETPARTS, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = LOWORD(Ask(statusBar, SB_GETTEXTLENGTHA, i, 0));
        if (length >= kTextRoom) {
            parts.emplace_back("<too long>");
            continue;
        }
        buffer.Clear();
        Ask(statusBar, SB_GETTEXTA, i, buffer.address());
        parts.push_back(buffer.Text());
    }
    return parts;
}

}  // namespace journeys
