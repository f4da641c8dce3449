// The placement record the program's copies share.
#include "app/shared_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmo {
namespace {

using Fields = std::vector<LONG>;

// The record as another copy of the program sees it; empty without one.
Fields SeenByAnotherCopy() {
    HANDLE handle = OpenFileMappingA(FILE_MAP_READ, FALSE, "Velmo 2");
    if (handle == nullptr) return {};
    auto* view = static_cast<const LONG*>(MapViewOfFile(handle, FILE_MAP_READ, 0, 0, 16));
    Fields seen(view, view + 4);
    UnmapViewOfFile(view);
    CloseHandle(handle);
    return seen;
}

// The first copy creates the record; a window records its normal placement
// only once shown; without a record nothing is recorded or read.
TEST(SharedPlacementTest, FirstCopyCreatesLaterCopiesJoin) {
    Placement last{};
    ASSERT_EQ(AttachSharedPlacement({120, 100, 850, 531}, &last), PlacementSharing::kCreated);
    HWND window = CreateWindowA("STATIC", "", WS_OVERLAPPED, 200, 150, 300, 250, nullptr, nullptr, nullptr, nullptr);
    RecordPosition(window, true, false);  // not shown yet: a starting copy keeps its placement to itself
    RecordSize(window, SIZE_RESTORED);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    RecordPosition(window, false, false);  // not in the normal state
    RecordPosition(window, true, true);    // full screen
    RecordSize(window, SIZE_MAXIMIZED);
    RecordSize(window, SIZE_MINIMIZED);
    EXPECT_EQ(SeenByAnotherCopy(), (Fields{120, 100, 850, 531}));
    RecordPosition(window, true, false);
    RecordSize(window, SIZE_RESTORED);
    EXPECT_EQ(SeenByAnotherCopy(), (Fields{200, 150, 300, 250}));

    ReleaseSharedPlacement();
    EXPECT_EQ(SeenByAnotherCopy(), Fields{});  // the only holder let go
    RecordPosition(window, true, false);
    RecordSize(window, SIZE_RESTORED);
    EXPECT_FALSE(ReadSharedPlacement(&last));
    EXPECT_EQ(last.x, 0);
    DestroyWindow(window);
}

}  // namespace
}  // namespace velmo
