#pragma once
// Compares two Settings records field by field, naming the key that differs.
#include <gtest/gtest.h>

#include "settings/settings.h"

namespace velmo {

inline void ExpectSameSettings(const Settings& a, const Settings& b) {
    for (const IntKey& key : kIntKeys) EXPECT_EQ(a.*key.member, b.*key.member) << key.name;
    EXPECT_STREQ(a.fontName, b.fontName);
    EXPECT_STREQ(a.findString, b.findString);
    EXPECT_STREQ(a.replaceString, b.replaceString);
    ASSERT_EQ(a.mruCount, b.mruCount);
    for (int i = 0; i < a.mruCount; ++i) EXPECT_STREQ(RecentEntry(a, i), RecentEntry(b, i)) << i;
}

}  // namespace velmo
