// A file whose text cannot be had in memory is refused with the
// out-of-memory message, and the open document stays as it was: its text,
// its name, its modified state and its undo step.
#include <gtest/gtest.h>

#include <string>

#include "common/memory_blocks.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"

namespace velmo::test {
namespace {

using OpenRefusedTest = MainFrameTest;

TEST_F(OpenRefusedTest, ForMemoryKeepsTheOpenDocument) {
    Start();
    const std::string kept = WriteTestFile("kept.txt", "kept\r\n");
    DialogChoice() = kept;
    Command(IDM_OPEN);
    Type("more");
    const std::string title = Title();
    DialogChoice() = WriteTestFile("big.txt", std::string(300000, 'b'));
    Answers() = {IDNO};  // the edited document is kept open, not saved
    Asked().clear();
    SystemHeap().FailAfter(1, 1000);  // every block the reading asks for
    Command(IDM_OPEN);
    SystemHeap().FailAfter(0);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].text, "Not enough memory.");
    EXPECT_EQ(Text(), "morekept\r\n");
    EXPECT_EQ(Title(), title);
    EXPECT_STREQ(App().documentPath, kept.c_str());
    EXPECT_NE(Edit(EM_GETMODIFY), 0);
    EXPECT_NE(Edit(EM_CANUNDO), 0);
}

}  // namespace
}  // namespace velmo::test
