#include "app/shared_placement.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

// Reads the record as another copy of the program would see it.
Placement SeenByAnotherCopy() {
    HANDLE handle = OpenFileMappingA(FILE_MAP_READ, FALSE, "Velmo 2");
    if (handle == nullptr) return Placement{-1, -1, -1, -1};
    auto* view = static_cast<const LONG*>(MapViewOfFile(handle, FILE_MAP_READ, 0, 0, 16));
    Placement p{view[0], view[1], view[2], view[3]};
    UnmapViewOfFile(view);
    CloseHandle(handle);
    return p;
}

TEST(SharedPlacementTest, FirstCopyCreatesLaterCopiesJoin) {
    Placement last{};
    ASSERT_EQ(AttachSharedPlacement({120, 100, 850, 531}, &last), PlacementSharing::kCreated);
    Placement seen = SeenByAnotherCopy();
    EXPECT_EQ(seen.x, 120);
    EXPECT_EQ(seen.height, 531);

    HWND window = CreateWindowA("STATIC", "", WS_OVERLAPPED, 200, 150, 300, 250, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    RecordPosition(window, true, false);  // not shown yet: a copy starting up keeps its placement to itself
    RecordSize(window, SIZE_RESTORED);
    EXPECT_EQ(SeenByAnotherCopy().x, 120);
    EXPECT_EQ(SeenByAnotherCopy().width, 850);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    RecordPosition(window, false, false);  // not in the normal state: ignored
    RecordSize(window, SIZE_MAXIMIZED);    // ignored
    EXPECT_EQ(SeenByAnotherCopy().x, 120);
    EXPECT_EQ(SeenByAnotherCopy().width, 850);
    RecordPosition(window, true, true);  // full screen: ignored
    EXPECT_EQ(SeenByAnotherCopy().x, 120);
    RecordPosition(window, true, false);
    RecordSize(window, SIZE_RESTORED);
    seen = SeenByAnotherCopy();
    EXPECT_EQ(seen.x, 200);
    EXPECT_EQ(seen.y, 150);
    EXPECT_EQ(seen.width, 300);
    EXPECT_EQ(seen.height, 250);
    DestroyWindow(window);

    // While the section lives, attaching again joins it.
    ReleaseSharedPlacement();
    HANDLE keep = OpenFileMappingA(FILE_MAP_READ, FALSE, "Velmo 2");
    EXPECT_EQ(keep, nullptr);  // the only holder let go: the record is gone
    ASSERT_EQ(AttachSharedPlacement({1, 2, 3, 4}, &last), PlacementSharing::kCreated);
    HANDLE other = OpenFileMappingA(FILE_MAP_READ, FALSE, "Velmo 2");
    ReleaseSharedPlacement();
    ASSERT_EQ(AttachSharedPlacement({9, 9, 9, 9}, &last), PlacementSharing::kJoined);
    EXPECT_EQ(last.x, 1);
    EXPECT_EQ(last.height, 4);
    CloseHandle(other);
    ReleaseSharedPlacement();
}

TEST(SharedPlacementTest, WithoutARecordNothingIsRecordedOrRead) {
    ReleaseSharedPlacement();
    HWND window = CreateWindowA("STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    RecordPosition(window, true, false);
    RecordSize(window, SIZE_RESTORED);
    Placement p{5, 5, 5, 5};
    EXPECT_FALSE(ReadSharedPlacement(&p));
    EXPECT_EQ(p.x, 5);
    DestroyWindow(window);
}

}  // namespace
}  // namespace velmo
