// The document's path from the command line and the recent files list.
#include "documents/command_line.h"
#include "documents/recent_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <strings.h>

#include "settings/option_settings.h"
#include "../settings/memory_profile.h"

namespace velmo {
namespace {

// The list as a plain sequence, most recent first, with the slot each path
// was given. Add says which rule applied, so that the test can tell every
// rule was met.
struct ModelEntry {
    std::string path;
    int slot;
};
enum class Rule { kAlreadyFirst, kMovedToFront, kNewSlot, kOldestReused, kCount };

Rule AddToModel(std::vector<ModelEntry>& list, const std::string& path, PathCompare compare) {
    auto found = std::find_if(list.begin(), list.end(),
                              [&](const ModelEntry& e) { return compare(e.path.c_str(), path.c_str()) == 0; });
    Rule rule = Rule::kNewSlot;
    ModelEntry entry{path, static_cast<int>(list.size())};
    if (found != list.end()) {
        rule = found == list.begin() ? Rule::kAlreadyFirst : Rule::kMovedToFront;
        entry = *found;  // the stored spelling stays
        list.erase(found);
    } else if (list.size() == kMaxRecentFiles) {
        rule = Rule::kOldestReused;
        entry.slot = list.back().slot;
        list.pop_back();
    }
    list.insert(list.begin(), entry);
    return rule;
}

std::string RandomCase(std::string path, std::mt19937& random) {
    for (char& c : path) {
        if (std::isalpha(static_cast<unsigned char>(c)) && random() % 4 == 0) c = static_cast<char>(c ^ 0x20);
    }
    return path;
}

class RecentListTest : public ::testing::TestWithParam<PathCompare> {};

// Also checks the keys of each change: the count, then after an addition one
// path per entry in list order; keys of higher numbers keep what they held.
TEST_P(RecentListTest, RandomAddsAndClearsFollowTheModel) {
    const std::string names[] = {"C:\\a.txt",        "c:\\b.txt",         "C:\\Docs\\Notes.txt", "D:\\R&D\\plan.txt",
                                 "E:\\x",            "E:\\x.",            "\\\\server\\share\\f", "C:\\a.txt.bak",
                                 "C:\\Long Name.TXT", "C:\\readme",       "F:\\z\\y\\x\\w.log",   "C:\\A2.txt",
                                 "C:\\b.tx",          std::string(kMaxPath - 1, 'p'), std::string(kMaxPath - 1, '&')};
    std::mt19937 random(23);
    MemoryProfile file;
    Settings s = DefaultSettings();
    std::vector<ModelEntry> model;
    int rules[static_cast<int>(Rule::kCount)] = {};
    int addsAfterClear = 0;
    for (int step = 0; step < 3000 && !HasFailure(); ++step) {
        std::map<std::string, std::string> expected = file.values;
        std::vector<std::string> writes = {"MruCount"};
        file.writes.clear();
        int action = random() % 60;
        if (action < 2) {
            ClearRecentFiles(s, file);
            model.clear();
        } else if (action == 2) {
            // A path too long for a slot changes nothing.
            ASSERT_FALSE(AddRecentPath(s, file, std::string(kMaxPath, 'q').c_str(), GetParam()));
            writes.clear();
        } else {
            std::string path = RandomCase(names[random() % std::size(names)], random);
            addsAfterClear += model.empty() && step > 0 ? 1 : 0;
            ++rules[static_cast<int>(AddToModel(model, path, GetParam()))];
            ASSERT_TRUE(AddRecentPath(s, file, path.c_str(), GetParam()));
            for (std::size_t i = 0; i < model.size(); ++i) {
                writes.push_back("MRU" + std::to_string(i));
                expected[writes.back()] = model[i].path;
            }
        }
        if (!writes.empty()) expected["MruCount"] = std::to_string(model.size());
        EXPECT_EQ(file.writes, writes) << "step " << step;
        EXPECT_EQ(file.values, expected) << "step " << step;
        ASSERT_EQ(s.mruCount, static_cast<int>(model.size())) << "step " << step;
        for (std::size_t i = 0; i < model.size(); ++i) {
            EXPECT_EQ(RecentEntry(s, static_cast<int>(i)), model[i].path) << "step " << step << " entry " << i;
            EXPECT_EQ(s.recent.order[i], model[i].slot) << "step " << step << " entry " << i;
            // The menu item: a digit prefix, and "&" doubled so that it is shown.
            std::string shown = "&" + std::to_string(i) + ": ";
            for (char c : model[i].path) shown += c == '&' ? "&&" : std::string(1, c);
            char item[kRecentItemTextSize];
            std::memset(item, 'x', sizeof item);
            FormatRecentItem(item, static_cast<int>(i), model[i].path.c_str());
            EXPECT_EQ(item, shown) << "step " << step << " entry " << i;
        }
    }
    for (int count : rules) EXPECT_GT(count, 0);
    EXPECT_GT(addsAfterClear, 1);
}

INSTANTIATE_TEST_SUITE_P(Comparisons, RecentListTest, ::testing::Values(std::strcmp, strcasecmp),
                         [](const auto& info) { return info.index == 0 ? "CaseSensitive" : "IgnoringCase"; });

TEST(CommandLineTest, FindsTheDocumentPathAfterTheProgramName) {
    const struct {
        std::string line;
        CommandLinePath result;
        std::string path;
    } cases[] = {
        {"Velmo.exe", CommandLinePath::kNone, ""},
        {"\"C:\\Program Files\\Velmo.exe\"", CommandLinePath::kNone, ""},
        {"\"C:\\Velmo.exe\"   ", CommandLinePath::kNone, ""},
        {"Velmo.exe \"\"", CommandLinePath::kNone, ""},
        {"\"unclosed", CommandLinePath::kNone, ""},
        {"", CommandLinePath::kNone, ""},
        // Unquoted, the path keeps its spaces; quoted, it stops at its closing mark.
        {"Velmo.exe  C:\\my notes.txt", CommandLinePath::kFound, "C:\\my notes.txt"},
        {"\"C:\\V 2\\Velmo.exe\" \"C:\\a b.txt\" more", CommandLinePath::kFound, "C:\\a b.txt"},
        {"\"C:\\Velmo.exe\"x.txt", CommandLinePath::kFound, "x.txt"},
        {"Velmo.exe \"C:\\open ended", CommandLinePath::kFound, "C:\\open ended"},
        {"Velmo.exe " + std::string(259, 'a'), CommandLinePath::kFound, std::string(259, 'a')},
        {"Velmo.exe \"" + std::string(260, 'a') + "\"", CommandLinePath::kTooLong, ""},
    };
    for (const auto& c : cases) {
        char path[kMaxPath];
        EXPECT_EQ(ParseCommandLine(c.line.c_str(), path), c.result) << c.line;
        EXPECT_EQ(path, c.path) << c.line;
    }
    char path[kMaxPath] = "old";
    EXPECT_EQ(ParseCommandLine(nullptr, path), CommandLinePath::kNone);
    EXPECT_STREQ(path, "");
}

}  // namespace
}  // namespace velmo
