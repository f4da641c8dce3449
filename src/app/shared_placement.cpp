#include "app/shared_placement.h"

namespace velmo {

namespace {

constexpr char kSectionName[] = "Velmo 2";

HANDLE section = nullptr;
volatile LONG* fields = nullptr;  // left, top, width, height; written by every copy without a lock

bool Map(HANDLE handle) {
    void* view = MapViewOfFile(handle, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(LONG) * 4);
    if (view == nullptr) {
        CloseHandle(handle);
        return false;
    }
    section = handle;
    fields = static_cast<volatile LONG*>(view);
    return true;
}

void Write(const Placement& p) {
    fields[0] = p.x;
    fields[1] = p.y;
    fields[2] = p.width;
    fields[3] = p.height;
}

// A copy that is starting keeps its placement to itself until its window is
// shown, so that the others' last placement stays in the record.
bool Recording(HWND window) { return fields != nullptr && IsWindowVisible(window); }

}  // namespace

PlacementSharing AttachSharedPlacement(const Placement& own, Placement* last) {
    HANDLE existing = OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kSectionName);
    if (existing != nullptr) {
        if (!Map(existing)) return PlacementSharing::kNone;
        ReadSharedPlacement(last);
        return PlacementSharing::kJoined;
    }
    HANDLE made = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG) * 4, kSectionName);
    if (made == nullptr || !Map(made)) return PlacementSharing::kNone;
    Write(own);
    return PlacementSharing::kCreated;
}

void RecordPosition(HWND window, bool normalState, bool fullScreen) {
    if (!Recording(window) || !normalState || fullScreen) return;
    RECT r;
    GetWindowRect(window, &r);
    fields[0] = r.left;
    fields[1] = r.top;
}

void RecordSize(HWND window, WPARAM sizeType) {
    if (!Recording(window) || sizeType == SIZE_MAXIMIZED || sizeType == SIZE_MINIMIZED) return;
    RECT r;
    GetWindowRect(window, &r);
    fields[2] = r.right - r.left;
    fields[3] = r.bottom - r.top;
}

bool ReadSharedPlacement(Placement* placement) {
    if (fields == nullptr) return false;
    *placement = Placement{fields[0], fields[1], fields[2], fields[3]};
    return true;
}

void ReleaseSharedPlacement() {
    if (fields != nullptr) UnmapViewOfFile(const_cast<LONG*>(fields));
    if (section != nullptr) CloseHandle(section);
    fields = nullptr;
    section = nullptr;
}

}  // namespace velmo
