#include "editview/model/fault_guard.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

namespace velmo {
namespace {

volatile int* volatile nullCell = nullptr;
volatile int zero = 0;
volatile std::uintptr_t lowAddress = 16;

LRESULT CALLBACK FaultingProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_USER) *nullCell = 7;
    return DefWindowProcA(window, message, w, l);
}

TEST(FaultGuardTest, FaultsComeBackAsFaultsAndCleanRunsAsClean) {
    volatile int reached = 0;  // stores must not be moved across the fault
    int sink = 0;
    auto write = [&] {
        reached = 1;
        *nullCell = 5;
        reached = 2;
    };
    EXPECT_TRUE(RunGuarded(write));
    EXPECT_EQ(reached, 1);
    auto read = [&] { sink = *reinterpret_cast<volatile int*>(lowAddress); };
    EXPECT_TRUE(RunGuarded(read));
    auto divide = [&] { sink = 10 / zero; };
    EXPECT_TRUE(RunGuarded(divide));
    auto outer = [&] { sink = (RunGuarded(write) ? 10 : 20) + 1; };  // an inner fault stays inner
    EXPECT_FALSE(RunGuarded(outer));
    EXPECT_EQ(sink, 11);
    for (int i = 0; i < 100; ++i) EXPECT_TRUE(RunGuarded(write));  // the guard still works after faults
    auto clean = [&] { sink = 3; };
    EXPECT_FALSE(RunGuarded(clean));
    EXPECT_EQ(sink, 3);
}

// A fault inside a window procedure reached through SendMessage: the jump
// back crosses the system's own frames, which still deliver messages after.
TEST(FaultGuardTest, FaultInsideACallbackThroughTheSystem) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = FaultingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FaultGuardProbe";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("FaultGuardProbe", "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    auto send = [&] { SendMessageA(window, WM_USER, 0, 0); };
    EXPECT_TRUE(RunGuarded(send));
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 0);
    DestroyWindow(window);
}

}  // namespace
}  // namespace velmo
