// Print and Page Setup from the main window with the print service out of
// reach: no printer at all. Printing itself is a user journey (tests/journeys).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "app/app_state.h"
#include "app/main_frame_fixture.h"
#include "resource_ids.h"

namespace velmo::test {
namespace {

class NoPrinterTest : public MainFrameTest {
protected:
    void SetUp() override {
        if (std::getenv("VELMO_EXPECT_NO_PRINTER") == nullptr) GTEST_SKIP() << "runs with CUPS out of reach";
        MainFrameTest::SetUp();
        Start();
    }
};

TEST_F(NoPrinterTest, PrintAndPageSetupSayThereIsNoPrinter) {
    SetText("Some text");
    static bool dialogShown;
    for (unsigned command : {IDM_PRINT, IDM_PAGE_SETUP}) {
        dialogShown = false;
        OnNextDialog([](HWND dialog) {
            dialogShown = true;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        Command(command);
        EXPECT_FALSE(dialogShown) << command;
        EXPECT_TRUE(IsWindowEnabled(App().mainWindow));
    }
    ASSERT_EQ(Asked().size(), 2u);
    for (const AskedBox& box : Asked()) {
        EXPECT_EQ(box.text, LanguageText(IDS_NO_PRINTER));
        EXPECT_EQ(box.caption, LanguageText(IDS_ERROR_CAPTION));
    }
}

}  // namespace
}  // namespace velmo::test
