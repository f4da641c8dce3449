#include "settings/language_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_utils.h"

namespace velmo {
namespace {

class LanguageListTest : public ::testing::Test {
protected:
    void TearDown() override { SystemHeap().FailAfter(0); }
    LanguageList list_{SystemHeap()};
};

TEST_F(LanguageListTest, NamesAreFoundByIdentifierInListingOrder) {
    ASSERT_TRUE(list_.Reset(3));
    for (const char* name : {"Czech.dll", "English.dll", "Slovak.dll"}) ASSERT_TRUE(list_.Append(name));
    EXPECT_EQ(list_.Count(), 3u);
    EXPECT_STREQ(list_.NameOf(10000), "Czech.dll");
    EXPECT_STREQ(list_.NameOf(10001), "English.dll");
    EXPECT_STREQ(list_.NameOf(10002), "Slovak.dll");
}

// A file that turns up after counting is not listed; identifiers outside the
// list name nothing, including those that would wrap around.
TEST_F(LanguageListTest, StopsAtItsCountAndChecksTheIndex) {
    ASSERT_TRUE(list_.Reset(2));
    EXPECT_TRUE(list_.Append("A.dll"));
    EXPECT_TRUE(list_.Append("B.dll"));
    EXPECT_FALSE(list_.Append("Late.dll"));
    EXPECT_EQ(list_.Count(), 2u);
    for (std::uint32_t id : {0u, 9999u, 10002u, 19999u, 0xFFFFFFFFu}) EXPECT_EQ(list_.NameOf(id), nullptr) << id;
}

TEST_F(LanguageListTest, LongestNameFitsAndLongerIsRefused) {
    ASSERT_TRUE(list_.Reset(2));
    std::string longest(kMaxPath - 1, 'n');
    EXPECT_TRUE(list_.Append(longest.c_str()));
    EXPECT_FALSE(list_.Append((longest + "n").c_str()));
    EXPECT_EQ(list_.Count(), 1u);
    EXPECT_EQ(std::string(list_.NameOf(10000)), longest);
}

TEST_F(LanguageListTest, ResetReplacesTheOldListAndEmptyFolderGivesEmptyList) {
    ASSERT_TRUE(list_.Reset(1));
    ASSERT_TRUE(list_.Append("Old.dll"));
    ASSERT_TRUE(list_.Reset(0));
    EXPECT_EQ(list_.Count(), 0u);
    EXPECT_EQ(list_.NameOf(10000), nullptr);
    EXPECT_FALSE(list_.Append("X.dll"));
}

TEST_F(LanguageListTest, NoMemoryLeavesAnEmptyListThatStillWorksLater) {
    ASSERT_TRUE(list_.Reset(1));
    ASSERT_TRUE(list_.Append("Old.dll"));
    SystemHeap().FailAfter(1);
    EXPECT_FALSE(list_.Reset(4));
    EXPECT_EQ(list_.Count(), 0u);
    EXPECT_EQ(list_.NameOf(10000), nullptr);
    EXPECT_FALSE(list_.Append("A.dll"));
    ASSERT_TRUE(list_.Reset(1));
    EXPECT_TRUE(list_.Append("A.dll"));
    EXPECT_STREQ(list_.NameOf(10000), "A.dll");
}

// Many rebuilds with random counts and late files, checked against a plain
// vector of the names that fitted.
TEST_F(LanguageListTest, RandomRebuildsMatchAModel) {
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 200; ++round) {
        std::uint32_t capacity = next() % 6;
        ASSERT_TRUE(list_.Reset(capacity));
        std::vector<std::string> model;
        std::uint32_t offered = next() % 9;
        for (std::uint32_t i = 0; i < offered; ++i) {
            std::string name = "L" + std::to_string(round) + "_" + std::to_string(i) + ".dll";
            bool accepted = list_.Append(name.c_str());
            EXPECT_EQ(accepted, model.size() < capacity);
            if (accepted) model.push_back(name);
        }
        ASSERT_EQ(list_.Count(), model.size());
        for (std::uint32_t i = 0; i < model.size(); ++i) EXPECT_EQ(list_.NameOf(10000 + i), model[i]);
        EXPECT_EQ(list_.NameOf(10000 + static_cast<std::uint32_t>(model.size())), nullptr);
    }
}

}  // namespace
}  // namespace velmo
