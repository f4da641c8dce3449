#include "settings/settings.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "settings/font_record.h"

namespace velmo {
namespace {

TEST(SettingsKeysTest, EveryIntegerFieldHasOneKeyInFieldOrder) {
    std::set<std::string> names;
    Settings s{};
    const char* base = reinterpret_cast<const char*>(&s);
    for (int i = 0; i < kIntSettingCount; ++i) {
        const IntKey& key = kIntKeys[i];
        names.insert(key.name);
        // The key list and the fields stay aligned: key i is field i.
        EXPECT_EQ(reinterpret_cast<const char*>(&(s.*key.member)) - base,
                  static_cast<std::ptrdiff_t>(i * sizeof(std::int32_t)))
            << key.name;
        EXPECT_EQ(&KeyOf(key.member), &key);
        EXPECT_GE(key.defaultValue, key.min) << key.name;
        EXPECT_LE(key.defaultValue, key.max) << key.name;
    }
    EXPECT_EQ(names.size(), 43u);
    EXPECT_EQ(offsetof(Settings, fontName), 43 * sizeof(std::int32_t));
}

TEST(FontRecordTest, BuiltFromSettingsAndStoredBack) {
    Settings s = DefaultSettings();
    s.italic = 1;
    s.charset = 238;
    FontRecord f = FontRecordFromSettings(s);
    EXPECT_EQ(f.height, -13);
    EXPECT_EQ(f.weight, 400);
    EXPECT_EQ(f.italic, 1);
    EXPECT_EQ(f.charSet, 238);
    EXPECT_EQ(f.outPrecision, 3);
    EXPECT_EQ(f.clipPrecision, 2);
    EXPECT_EQ(f.quality, 1);
    EXPECT_EQ(f.pitchAndFamily, 49);
    EXPECT_STREQ(f.faceName, "Lucida Console");

    f.height = -20;
    f.pitchAndFamily = 2;
    for (char& c : f.faceName) c = 'A';  // a face name field without terminator
    StoreFontRecord(s, f);
    EXPECT_EQ(s.fontHeight, -20);
    EXPECT_EQ(s.family, 2);
    EXPECT_EQ(std::string(s.fontName), std::string(31, 'A'));
}

}  // namespace
}  // namespace velmo
