#include "app/title_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace velmo {
namespace {

TEST(TitleRulesTest, BufferHoldsMarkThenPlainTitleAndCutsLongNames) {
    char buffer[kTitleBufferSize];
    BuildTitleBuffer(buffer, "notes.txt");
    EXPECT_STREQ(buffer, "* Velmo 2 - notes.txt");
    EXPECT_STREQ(buffer + kPlainTitleOffset, "Velmo 2 - notes.txt");

    std::string longName(400, 'n');
    BuildTitleBuffer(buffer, longName.c_str());
    EXPECT_EQ(std::string(buffer).size(), kTitleBufferSize - 1);
    EXPECT_EQ(std::string(buffer).substr(0, 12), "* Velmo 2 - ");
}

TEST(TitleRulesTest, MarkFollowsModifiedPlaybackAndUntitledEmptiness) {
    struct Case {
        TitleState state;
        bool marked;
        bool clear;
    };
    const Case cases[] = {
        {{false, false, false, true}, false, false},  // not modified
        {{false, false, true, false}, false, false},
        {{true, true, false, true}, false, false},    // playback types without a mark
        {{true, false, false, false}, true, false},   // named: marked even when empty
        {{true, false, true, true}, true, false},     // untitled with text
        {{true, false, true, false}, false, true},    // untitled and emptied again
    };
    for (const Case& c : cases) {
        TitleChoice choice = ChooseTitle(c.state);
        EXPECT_EQ(choice.marked, c.marked);
        EXPECT_EQ(choice.clearModified, c.clear);
    }
}

}  // namespace
}  // namespace velmo
