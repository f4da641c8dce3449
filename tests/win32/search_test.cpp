// EVM_SEARCH on the real control: a found match is selected and brought into
// view page-aligned or centred, by lines or by wrapped rows, and the parent
// hears of it; replace-all rewrites the text from the top and posts the
// caret position; the user's code page decides what ignoring case means.
#include <string>

#include "editview/control_state.h"
#include "editview/editview_messages.h"
#include "editview/search/search_request.h"
#include "test_window.h"

namespace velmo::test {
namespace {

class SearchTest : public EditViewTest {
protected:
    void SetUp() override {
        EditViewTest::SetUp();
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
        std::string text;
        for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + " of a text\r\n";
        SetText(text);
        // 20 whole rows and a part of one more.
        RECT window, client;
        GetWindowRect(edit, &window);
        GetClientRect(edit, &client);
        int height = 20 * static_cast<int>(Control().view.lineHeight) + static_cast<int>(Control().view.lineHeight) / 2;
        MoveWindow(edit, 0, 0, window.right - window.left, window.bottom - window.top - client.bottom + height, TRUE);
        PumpMessages();
        Log().Clear();
    }
    LRESULT Search(std::uint32_t operation, const char* find, const char* with = "", bool down = true,
                   bool ignoreCase = false) {
        SearchRequest request{operation, down ? 1u : 0u, ignoreCase ? 1u : 0u, find, with};
        return Send(EVM_SEARCH, reinterpret_cast<WPARAM>(&request));
    }
    std::uint32_t First() { return static_cast<std::uint32_t>(Send(EM_GETFIRSTVISIBLELINE)); }
};

struct ViewCase {
    const char* name;
    bool wrap, centre;
    std::int32_t firstBefore;
    const char* find;
};

class FoundInViewTest : public SearchTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(FoundInViewTest, ShowsTheMatchesRow) {
    const ViewCase& c = GetParam();
    if (c.wrap) {
        // Narrow enough that every line takes two rows.
        MoveWindow(edit, 0, 0, 80 * static_cast<int>(Control().view.widths.ColumnWidth()) / 10, 400, TRUE);
        ASSERT_EQ(Send(EVM_SETWORDWRAP, 1), 1);
    }
    Send(EVM_SETCENTERAFTERFIND, c.centre ? 1 : 0);
    Send(EM_LINESCROLL, 0, c.firstBefore);
    ASSERT_NE(Search(SEARCH_FIND, c.find), 0);
    std::uint32_t row = Control().store.CaretRow(), full = Control().view.rows.full;
    std::uint32_t touched = Control().view.rows.touched;
    ASSERT_EQ(touched, full + 1);
    if (c.wrap) {
        ASSERT_GT(row, Control().store.CaretLine());
    }
    std::uint32_t expected = c.centre ? (row > touched / 2 ? row - touched / 2 : 0) : row / full * full;
    EXPECT_EQ(First(), expected) << "row " << row;
    std::vector<Notification> carets = Log().Of(EVN_CARETPOS);
    ASSERT_FALSE(carets.empty());
    EXPECT_TRUE(carets.back().sent);
    EXPECT_EQ(carets.back().wParam, Control().store.CaretLine());
}

INSTANTIATE_TEST_SUITE_P(Cases, FoundInViewTest,
                         ::testing::Values(ViewCase{"PageAligned", false, false, 0, "line 105 "},
                                           ViewCase{"PageAlignedEvenWhenShown", false, false, 10, "line 15 "},
                                           ViewCase{"Centred", false, true, 0, "line 100 "},
                                           ViewCase{"CentredNearTheTop", false, true, 0, "line 4 "},
                                           ViewCase{"WrappedPageAligned", true, false, 0, "line 57 "},
                                           ViewCase{"WrappedCentred", true, true, 0, "line 57 "}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SearchTest, ReplaceAllStartsFromTheTopAndPostsTheCaret) {
    Send(EM_SETSEL, 3000, 3000);
    Send(EM_SCROLLCARET);
    ASSERT_GT(First(), 0u);
    Log().Clear();
    EXPECT_EQ(Search(SEARCH_REPLACE_ALL, " of a text", ""), 200);
    EXPECT_EQ(Send(EVM_GETSEARCHERROR), 0);
    EXPECT_EQ(First(), 0u);
    EXPECT_EQ(Send(EM_GETMODIFY), 0);  // the caller sets it
    EXPECT_TRUE(Log().CommandCodes().empty());  // no EN_CHANGE
    Log().Clear();
    PumpMessages();
    std::vector<Notification> carets = Log().Of(EVN_CARETPOS);
    ASSERT_EQ(carets.size(), 1u);
    EXPECT_FALSE(carets[0].sent);
    EXPECT_EQ(carets[0].wParam, 0u);
    EXPECT_EQ(Text().substr(0, 16), "line 0\r\nline 1\r\n");
    Send(EM_UNDO);
    EXPECT_EQ(Text().substr(0, 18), "line 0 of a text\r\n");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 201);
}

TEST_F(SearchTest, IgnoringCaseFollowsTheCodePage) {
    char upper[] = "\xe4";
    CharUpperBuffA(upper, 1);
    if (upper[0] != '\xc4') GTEST_SKIP() << "the code page has no upper case of this letter";
    SetText("abc x\xc4" "BC");
    EXPECT_EQ(Search(SEARCH_FIND, "\xe4" "bc"), 0);
    EXPECT_NE(Search(SEARCH_FIND, "\xe4" "bc", "", true, true), 0);
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 5u);
    EXPECT_EQ(end, 8u);
}

}  // namespace
}  // namespace velmo::test
