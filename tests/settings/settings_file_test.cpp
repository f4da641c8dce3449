#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <random>
#include <string>

#include "memory_profile.h"
#include "settings_compare.h"
#include "settings/font_record.h"
#include "settings/option_settings.h"
#include "settings/setting_text.h"
#include "settings/settings_validation.h"

namespace velmo {
namespace {

constexpr std::int32_t kScreenWidth = 1920;
constexpr std::int32_t kScreenHeight = 1080;

Settings Loaded(MemoryProfile& file) {
    Settings s;
    std::memset(&s, 0x5A, sizeof s);  // nothing may survive from before
    LoadSettings(s, file, kScreenWidth, kScreenHeight);
    return s;
}

// A value for one key: a number relative to the key's range or to zero,
// written as the program writes numbers, or a text with the number it holds.
enum class From { kMin, kMax, kZero, kText };
constexpr std::int64_t kNoNumber = INT64_MIN;

struct BadValue {
    const char* name;
    From from;
    std::int64_t number;  // added to the bound; for a text, what it holds
    std::string text = {};
};

const BadValue kBadValues[] = {
    {"below_the_range", From::kMin, -1}, {"lowest_in_range", From::kMin, 0},
    {"highest_in_range", From::kMax, 0}, {"above_the_range", From::kMax, 1},
    {"int_min", From::kZero, INT32_MIN}, {"int_max", From::kZero, INT32_MAX},
    {"minus_five", From::kZero, -5}, {"minus_one_means_the_default", From::kZero, -1},
    {"signed_form", From::kText, -13, "-13"}, {"signed_minus_one", From::kText, -1, "-1"},
    {"blanks_around", From::kText, 12, " 12\t"}, {"other_blanks", From::kText, 7, "\v7\f"},
    {"leading_zeros", From::kText, 7, "007"}, {"minus_zero", From::kText, 0, "-0"},
    {"signed_int_min", From::kText, INT32_MIN, "-2147483648"},
    {"unsigned_int_min", From::kText, INT32_MIN, "2147483648"},
    {"longest_number_text", From::kText, 5, std::string(61, '0') + "5"},
    {"number_text_too_long", From::kText, kNoNumber, std::string(62, '0') + "5"},
    {"empty", From::kText, kNoNumber, ""}, {"blank", From::kText, kNoNumber, " "},
    {"sign_alone", From::kText, kNoNumber, "-"}, {"two_signs", From::kText, kNoNumber, "--5"},
    {"plus_sign", From::kText, kNoNumber, "+5"}, {"letters_after_digits", From::kText, kNoNumber, "12abc"},
    {"hexadecimal", From::kText, kNoNumber, "0x10"}, {"blank_inside", From::kText, kNoNumber, "1 2"},
    {"blank_after_sign", From::kText, kNoNumber, "- 5"}, {"beyond_32_bits", From::kText, kNoNumber, "4294967296"},
    {"far_beyond", From::kText, kNoNumber, "99999999999999999999"},
    {"below_int_min", From::kText, kNoNumber, "-2147483649"}, {"fraction", From::kText, kNoNumber, "1.5"},
    {"not_ascii", From::kText, kNoNumber, "\xff"},
};

// What a key must hold after reading `number`.
std::int32_t Expected(const IntKey& key, std::int64_t number) {
    if (number == kNoNumber || number == -1) return key.defaultValue;
    if (number >= key.min && number <= key.max) return static_cast<std::int32_t>(number);
    if (key.fix == OutOfRange::Clamp) return number < key.min ? key.min : key.max;
    return key.fix == OutOfRange::CapUnsigned ? key.max : key.defaultValue;
}

// Every key but the window's placement (see the placement tests) alone in a
// file with each value: kept in range, else clamped, capped or the default.
TEST(LoadSettingsTest, EveryKeyKeepsItsRangeAndMendsBadValues) {
    MemoryProfile empty;
    ExpectSameSettings(Loaded(empty), DefaultSettings());
    for (const BadValue& row : kBadValues) {
        for (const IntKey& key : kIntKeys) {
            if (key.fix == OutOfRange::CheckScreen) continue;
            std::int64_t base = row.from == From::kMin ? key.min : row.from == From::kMax ? key.max : 0;
            std::int64_t number = row.from == From::kText ? row.number : base + row.number;
            MemoryProfile file;
            char text[kSettingNumberSize];
            FormatSettingNumber(text, static_cast<std::int32_t>(number));
            file.values[key.name] = row.from == From::kText ? row.text : text;
            EXPECT_EQ(Loaded(file).*key.member, Expected(key, number)) << row.name << ": " << key.name;
        }
    }
}

TEST(LoadSettingsTest, TextsAndRecentPathsAreBounded) {
    MemoryProfile file;
    file.values["Name"] = std::string(32, 'N');
    file.values["FindString"] = std::string(5000, 'f');
    file.values["ReplaceString"] = std::string(259, 'r');
    file.values["MruCount"] = "25";
    file.values["MRU0"] = "C:\\first.txt";
    file.values["MRU1"] = std::string(260, 'p');
    file.values["MRU2"] = std::string(259, 'q');
    file.values["MRU9"] = "C:\\last.txt";
    Settings s = Loaded(file);
    EXPECT_STREQ(s.fontName, "Lucida Console");
    EXPECT_EQ(std::string(s.findString), std::string(259, 'f'));
    EXPECT_EQ(std::string(s.replaceString), std::string(259, 'r'));
    ASSERT_EQ(s.mruCount, 10);
    EXPECT_STREQ(RecentEntry(s, 0), "C:\\first.txt");
    EXPECT_STREQ(RecentEntry(s, 1), "");  // a cut path would name another file
    EXPECT_EQ(std::string(RecentEntry(s, 2)), std::string(259, 'q'));
    EXPECT_STREQ(RecentEntry(s, 9), "C:\\last.txt");
    EXPECT_STREQ(RecentEntry(s, 10), "");
    EXPECT_STREQ(RecentEntry(s, -1), "");
    file.values["Name"] = std::string(31, 'N');
    file.values["MruCount"] = "2";
    s = Loaded(file);
    EXPECT_EQ(std::string(s.fontName), std::string(31, 'N'));
    EXPECT_STREQ(s.recent.slots[2], "");  // beyond the count nothing is read
    // Validating terminates every text and never leaves the face empty.
    std::memset(s.findString, 'S', sizeof s.findString);
    std::memset(s.recent.slots[3], 'P', sizeof s.recent.slots[3]);
    s.fontName[0] = '\0';
    ValidateSettings(s, kScreenWidth, kScreenHeight);
    EXPECT_EQ(std::string(s.findString), std::string(259, 'S'));
    EXPECT_EQ(std::string(s.recent.slots[3]), std::string(259, 'P'));
    EXPECT_STREQ(s.fontName, "Lucida Console");
}

// A random valid record with texts that the profile functions would change
// if they were written plainly.
Settings RandomSettings(std::mt19937& random) {
    Settings s = DefaultSettings();
    auto between = [&](std::int64_t lo, std::int64_t hi) {
        return static_cast<std::int32_t>(lo + static_cast<std::int64_t>(random() % (hi - lo + 1)));
    };
    for (const IntKey& key : kIntKeys) s.*key.member = between(key.min, key.max);
    s.x = between(0, kScreenWidth);
    s.y = between(0, kScreenHeight);
    s.width = between(0, kScreenWidth - s.x);
    s.height = between(0, kScreenHeight - s.y);
    const char alphabet[] = " \t\"'abc;=[]\\\xe9\x01";
    auto text = [&](char* dst, std::size_t size) {
        std::size_t n = random() % size;
        for (std::size_t i = 0; i < n; ++i) dst[i] = alphabet[random() % (sizeof alphabet - 1)];
        dst[n] = '\0';
    };
    text(s.fontName, sizeof s.fontName);
    if (s.fontName[0] == '\0') std::strcpy(s.fontName, "Courier New");
    text(s.findString, sizeof s.findString);
    text(s.replaceString, sizeof s.replaceString);
    for (int i = 0; i < s.mruCount; ++i) text(s.recent.slots[i], kMaxPath);
    return s;
}

TEST(SettingsRoundTripTest, RandomRecordsReadBackEqualFromTheFileAndTheFontRecord) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        Settings written = RandomSettings(random);
        MemoryProfile file;
        WriteEverySetting(file, written);
        ExpectSameSettings(Loaded(file), written);
        for (const IntKey& key : kIntKeys) {
            const std::string& text = file.values[key.name];
            ASSERT_TRUE(text.find('-') == std::string::npos) << key.name << "=" << text;
        }
        // The font's settings go to their fields of the record and back.
        FontRecord font = FontRecordFromSettings(written);
        EXPECT_EQ(font.height, written.fontHeight);
        EXPECT_EQ(font.pitchAndFamily, written.family);
        EXPECT_STREQ(font.faceName, written.fontName);
        Settings back = written;
        StoreFontRecord(back, FontRecord{});
        StoreFontRecord(back, font);
        ExpectSameSettings(back, written);
    }
}

// Toggles are written at once, dialog values later. At exit the placement
// given and the search texts, cut at a line break and quoted where blanks
// would be lost; then the font's keys in key order and the recent files in
// list order.
TEST(SettingsWriteTest, EachChangeWritesItsKeysInOrder) {
    MemoryProfile file;
    Settings s = DefaultSettings();
    EXPECT_EQ(ToggleSetting(s, file, &Settings::findCase), 0);
    EXPECT_EQ(ToggleSetting(s, file, &Settings::findCase), 1);
    SetFindDirection(s, file, false);
    s.mruCount = 4;
    ClearRecentFiles(s, file);
    for (std::int64_t pixels : {INT64_MIN, std::int64_t{-1}, std::int64_t{250}, std::int64_t{1001}, INT64_MAX}) {
        StoreSpacing(s, &Settings::leftMargin, pixels);
        EXPECT_EQ(s.leftMargin, std::clamp<std::int64_t>(pixels, 0, 1000));
    }
    EXPECT_EQ(file.values, (std::map<std::string, std::string>{{"FindCase", "1"}, {"FindDirection", "0"},
                                                                {"MruCount", "0"}}));
    s.mruCount = 3;
    std::strcpy(s.recent.slots[1], "B");
    std::strcpy(s.recent.slots[2], "C");
    s.recent.order[0] = 2;
    s.recent.order[2] = 0;
    std::strcpy(s.findString, "line one\r\nline two");
    std::strcpy(s.replaceString, "  spaced  ");
    SaveExitSettings(file, s, Placement{-8, 30, 1000, 700});
    WriteFontSettings(file, s);
    WriteRecentFiles(file, s);
    EXPECT_EQ(s.x, -8);
    EXPECT_EQ(file.writes, (std::vector<std::string>{
                               "FindCase", "FindCase", "FindDirection", "MruCount", "x", "y", "Width", "Height",
                               "MruCount", "Maximized", "FullScr", "FindString", "ReplaceString", "FontHeight",
                               "FontWidth", "Escapement", "Orientation", "Weight", "Italic", "Underline",
                               "Strikeout", "Charset", "OutPrecision", "ClipPrecision", "Quality", "Family", "Name",
                               "MruCount", "MRU0", "MRU1", "MRU2"}));
    EXPECT_EQ(file.values["x"] + " " + file.values["FindString"] + " " + file.values["ReplaceString"],
              "4294967288 line one \"  spaced  \"");
    EXPECT_EQ(file.values["MRU0"] + file.values["MRU1"] + file.values["MRU2"], "CB");
}

// A face name field without terminator is cut to 31 characters.
TEST(FontRecordTest, AnUnterminatedFaceNameIsCut) {
    Settings s = DefaultSettings();
    FontRecord f{};
    for (char& c : f.faceName) c = 'A';
    StoreFontRecord(s, f);
    EXPECT_EQ(std::string(s.fontName), std::string(31, 'A'));
}

// Written as unsigned decimal, which reads back; the number forms read are
// checked with every key of the settings file. A refused text leaves the
// value alone.
TEST(SettingNumberTest, RandomValuesRoundTripAndLongTextsAreRefused) {
    std::int32_t value = 12345;
    EXPECT_FALSE(ParseSettingNumber(nullptr, &value));
    EXPECT_FALSE(ParseSettingNumber((std::string(64, '0') + "9").c_str(), &value));
    EXPECT_FALSE(ParseSettingNumber("1x", &value));
    EXPECT_EQ(value, 12345);
    EXPECT_TRUE(ParseSettingNumber((std::string(63, '0') + "9").c_str(), &value));
    EXPECT_EQ(value, 9);
    std::mt19937 random(7);
    for (int i = 0; i < 10000; ++i) {
        auto written = static_cast<std::int32_t>(random());
        char text[kSettingNumberSize];
        FormatSettingNumber(text, written);
        ASSERT_NE(text[0], '-');
        ASSERT_TRUE(ParseSettingNumber(text, &value));
        ASSERT_EQ(value, written);
    }
}

// Cut at the first line break, and quoted where the profile functions would
// drop blanks or a pair of quotation marks; refused when it does not fit.
TEST(ProfileTextTest, CutAtLineBreakAndQuotedWhenItWouldChange) {
    const struct {
        const char* text;
        std::size_t size;
        const char* prepared;  // null: refused, the destination emptied
    } cases[] = {
        {"plain text", 300, "plain text"}, {"first\r\nsecond", 300, "first"}, {"first\nsecond", 300, "first"},
        {"\rall gone", 300, ""}, {" lead", 300, "\" lead\""}, {"trail\t", 300, "\"trail\t\""},
        {"\"quoted\"", 300, "\"\"quoted\"\""}, {"'single'", 300, "\"'single'\""}, {"\"half", 300, "\"half"},
        {"\"", 300, "\""}, {"'x\"", 300, "'x\""}, {"a \"b\" c", 300, "a \"b\" c"}, {" x\nrest ", 300, "\" x\""},
        {"abc", 4, "abc"}, {"abcd", 4, nullptr}, {" ab", 5, nullptr}, {" ab", 6, "\" ab\""}, {"x", 0, nullptr}};
    for (const auto& c : cases) {
        std::string buffer(c.size + 1, '#');
        EXPECT_EQ(PrepareProfileText(buffer.data(), c.size, c.text), c.prepared != nullptr) << c.text;
        if (c.size == 0) continue;
        EXPECT_STREQ(buffer.c_str(), c.prepared ? c.prepared : "") << c.text;
    }
}

}  // namespace
}  // namespace velmo
