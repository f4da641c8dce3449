// The placement record the program's copies share.
#include "app/shared_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmo {
namespace {

std::vector<LONG> Recorded() {
    Placement p{-1, -1, -1, -1};
    ReadSharedPlacement(&p);
    return {p.x, p.y, p.width, p.height};
}

// The first copy creates the record with its own placement; a window is
// recorded only once shown and in its normal state; without a record nothing
// is recorded or read.
TEST(SharedPlacementTest, OnlyAShownNormalWindowIsRecorded) {
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
    EXPECT_EQ(Recorded(), (std::vector<LONG>{120, 100, 850, 531}));
    RecordPosition(window, true, false);
    RecordSize(window, SIZE_RESTORED);
    EXPECT_EQ(Recorded(), (std::vector<LONG>{200, 150, 300, 250}));
    ReleaseSharedPlacement();
    RecordPosition(window, true, false);
    RecordSize(window, SIZE_RESTORED);
    EXPECT_EQ(Recorded(), (std::vector<LONG>{-1, -1, -1, -1}));
    DestroyWindow(window);
}

}  // namespace
}  // namespace velmo
