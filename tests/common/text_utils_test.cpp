#include "common/text_utils.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace velmo {
namespace {

// A destination with guard bytes behind it, to prove nothing is written past
// the size the helper was given.
struct GuardedBuffer {
    static constexpr std::size_t kGuard = 16;
    explicit GuardedBuffer(std::size_t size) : size(size), bytes(size + kGuard, '#') {}
    char* data() { return bytes.data(); }
    bool GuardIntact() const { return bytes.substr(size) == std::string(kGuard, '#'); }
    std::size_t size;
    std::string bytes;
};

TEST(BoundedCopyTest, CopiesWhenItFitsAndCutsWhenItDoesNot) {
    GuardedBuffer exact(6);
    EXPECT_TRUE(BoundedCopy(exact.data(), exact.size, "hello"));
    EXPECT_STREQ(exact.data(), "hello");
    GuardedBuffer small(5);
    EXPECT_FALSE(BoundedCopy(small.data(), small.size, "hello"));
    EXPECT_STREQ(small.data(), "hell");
    EXPECT_TRUE(small.GuardIntact());
    char none[1] = {'x'};
    EXPECT_FALSE(BoundedCopy(none, 0, "a"));
    EXPECT_EQ(none[0], 'x');
}

TEST(BoundedCopyTest, AppendRespectsTheWholeSize) {
    GuardedBuffer buf(8);
    BoundedCopy(buf.data(), buf.size, "abc");
    EXPECT_TRUE(BoundedAppend(buf.data(), buf.size, "defg"));
    EXPECT_STREQ(buf.data(), "abcdefg");
    EXPECT_FALSE(BoundedAppend(buf.data(), buf.size, "h"));
    EXPECT_STREQ(buf.data(), "abcdefg");
    EXPECT_TRUE(buf.GuardIntact());
}

TEST(BoundedLengthTest, StopsAtLimit) {
    const char text[4] = {'a', 'b', 'c', 'd'};  // no terminator
    EXPECT_EQ(BoundedLength(text, 4), 4u);
    EXPECT_EQ(BoundedLength("ab", 10), 2u);
}

TEST(SubstitutePercentTest, ReplacesFirstAndDropsLater) {
    char out[64];
    EXPECT_TRUE(SubstitutePercent(out, sizeof out, "Save % now?", "a.txt"));
    EXPECT_STREQ(out, "Save a.txt now?");
    EXPECT_TRUE(SubstitutePercent(out, sizeof out, "%-%-%", "x"));
    EXPECT_STREQ(out, "x--");
    EXPECT_TRUE(SubstitutePercent(out, sizeof out, "no mark", "x"));
    EXPECT_STREQ(out, "no mark");
    EXPECT_TRUE(SubstitutePercent(out, sizeof out, "%", "100%"));
    EXPECT_STREQ(out, "100%");  // a "%" in the argument is kept
}

TEST(SubstitutePercentTest, NeverWritesPastDestination) {
    std::string longArg(300, 'p');
    for (std::size_t size = 1; size < 40; ++size) {
        GuardedBuffer buf(size);
        bool fits = SubstitutePercent(buf.data(), size, "File % is gone", longArg.c_str());
        EXPECT_FALSE(fits);
        EXPECT_LT(std::strlen(buf.data()), size);
        EXPECT_TRUE(buf.GuardIntact()) << size;
    }
    GuardedBuffer tail(8);
    EXPECT_FALSE(SubstitutePercent(tail.data(), tail.size, "ab%cdefghij", "1"));
    EXPECT_STREQ(tail.data(), "ab1cdef");
    EXPECT_TRUE(tail.GuardIntact());
}

TEST(UnsignedTest, FormatsAndParses) {
    char out[11];
    EXPECT_TRUE(FormatUnsigned(out, sizeof out, 0));
    EXPECT_STREQ(out, "0");
    EXPECT_TRUE(FormatUnsigned(out, sizeof out, 4294967295u));
    EXPECT_STREQ(out, "4294967295");
    char small[3];
    EXPECT_FALSE(FormatUnsigned(small, sizeof small, 123));
    EXPECT_STREQ(small, "");
    std::uint32_t v = 7;
    EXPECT_TRUE(ParseUnsigned("4294967295", &v));
    EXPECT_EQ(v, 4294967295u);
    EXPECT_TRUE(ParseUnsigned("007", &v));
    EXPECT_EQ(v, 7u);
    for (const char* bad : {"", "4294967296", "99999999999999999999", "-1", "+1", " 1", "1a", "0x10"}) {
        v = 42;
        EXPECT_FALSE(ParseUnsigned(bad, &v)) << bad;
        EXPECT_EQ(v, 42u) << bad;
    }
    EXPECT_FALSE(ParseUnsigned(nullptr, &v));
}

TEST(GroupDigitsTest, GroupsFromTheRight) {
    const struct {
        std::uint32_t value;
        const char* text;
    } cases[] = {{0, "0"}, {12, "12"}, {999, "999"}, {1000, "1 000"}, {123456, "123 456"},
                 {1234567, "1 234 567"}, {4294967295u, "4 294 967 295"}};
    for (const auto& c : cases) {
        char out[20];
        EXPECT_TRUE(FormatGrouped(out, sizeof out, c.value));
        EXPECT_STREQ(out, c.text);
    }
    GuardedBuffer buf(9);  // "1 234 567" needs 10 bytes
    EXPECT_FALSE(GroupDigits(buf.data(), buf.size, "1234567"));
    EXPECT_TRUE(buf.GuardIntact());
    char empty[4];
    EXPECT_TRUE(GroupDigits(empty, sizeof empty, ""));
    EXPECT_STREQ(empty, "");
    EXPECT_FALSE(GroupDigits(empty, 0, ""));  // not even room for the end
}

TEST(FileNamePartTest, TakesTextAfterLastBackslash) {
    EXPECT_STREQ(FileNamePart("C:\\dir\\sub\\name.txt"), "name.txt");
    EXPECT_STREQ(FileNamePart("name.txt"), "name.txt");
    EXPECT_STREQ(FileNamePart("C:\\dir\\"), "");
    EXPECT_STREQ(FileNamePart("a/b"), "a/b");
}

TEST(JoinPathTest, JoinsPartsAndRefusesOverflow) {
    char out[kMaxPath];
    EXPECT_TRUE(JoinPath(out, sizeof out, {"C:\\a\\", "b.dll"}));
    EXPECT_STREQ(out, "C:\\a\\b.dll");
    EXPECT_TRUE(JoinPath(out, sizeof out, {"C:\\", "Languages\\", "x.dll"}));
    EXPECT_STREQ(out, "C:\\Languages\\x.dll");
    EXPECT_FALSE(JoinPath(out, sizeof out, {std::string(255, 'a').c_str(), "b.dll"}));
    EXPECT_STREQ(out, "");
    GuardedBuffer small(4);
    EXPECT_FALSE(JoinPath(small.data(), small.size, {"ab", "cd"}));
    EXPECT_STREQ(small.data(), "");
    EXPECT_TRUE(small.GuardIntact());
}

TEST(BlockMoveTest, OverlappingMovesBothWays) {
    char up[] = "abcdefgh";
    MoveBackward(up + 2, up, 6);
    EXPECT_STREQ(up, "ababcdef");
    char down[] = "abcdefgh";
    CopyForward(down, down + 2, 6);
    EXPECT_STREQ(down, "cdefghgh");
}

}  // namespace
}  // namespace velmo
