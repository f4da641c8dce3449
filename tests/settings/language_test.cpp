// Language libraries: the names saved for them, the paths built from them and
// the list of libraries found in the folder.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../common/bounded_write.h"
#include "common/text_utils.h"
#include "settings/language_list.h"
#include "settings/language_names.h"

namespace velmo {
namespace {

using testing::ExpectBoundedWrite;

TEST(LanguageNamesTest, SavedIdentifiersMapToTheirFilesAndBack) {
    const std::pair<std::uint32_t, const char*> mapped[] = {
        {10000, "Czech.dll"}, {10001, "English.dll"}, {10002, "Slovak.dll"}, {0, "English.dll"},
        {9999, "English.dll"}, {10003, "English.dll"}, {0xFFFFFFFF, "English.dll"}};
    for (const auto& [id, name] : mapped) EXPECT_STREQ(MappedLibraryName(id), name) << id;
    // Any letter case of a known file; unknown files a start can only bring back as English.
    const std::pair<const char*, std::uint32_t> saved[] = {
        {"Czech.dll", 10000}, {"sLOVAK.DLL", 10002}, {"czech.dll", 10000}, {"Slovak.dll", 10002},
        {"Deutsch.dll", 10001}, {"Slovak.dll.bak", 10001}, {"Slovak.dl", 10001}, {"", 10001}};
    for (const auto& [name, id] : saved) EXPECT_EQ(SavedLanguageFor(name), id) << name;
    // Only ASCII letters fold: both ends of the range, and the neighbours of it.
    EXPECT_TRUE(SameFileName("AZ.dll", "az.dll"));
    EXPECT_FALSE(SameFileName("@[", "`{"));
    EXPECT_FALSE(SameFileName("@", "`"));
}

// Every path into destinations of every size around it: whole, or refused
// and empty, never cut.
TEST(LanguageNamesTest, PathsAreWholeOrRefused) {
    for (std::size_t size = 0; size < 40; ++size) {
        ExpectBoundedWrite("library", size, "C:\\V\\Languages\\Slovak.dll", false,
                           [](char* d, std::size_t n) { return BuildLibraryPath(d, n, "C:\\V\\", "Slovak.dll"); });
        ExpectBoundedWrite("pattern", size, "Languages\\*.dll", false,
                           [](char* d, std::size_t n) { return BuildLibraryPattern(d, n, ""); });
        for (std::uint32_t language : {10000u, 10001u, 10002u, 10003u, 0u}) {
            bool slovak = language == 10000 || language == 10002;
            ExpectBoundedWrite("help", size, slovak ? "D:\\Help\\Slovak.chm" : "D:\\Help\\English.chm", false,
                               [&](char* d, std::size_t n) { return BuildHelpPath(d, n, "D:\\", language); });
        }
        for (const char* name : {"Slovak.dll", "a.dl", ".d", "Abcd.dll"}) {
            std::string text = name;
            ExpectBoundedWrite("menu text", size, text.substr(0, text.size() > 4 ? text.size() - 4 : 0), false,
                               [&](char* d, std::size_t n) { return LanguageMenuText(d, n, name); });
        }
    }
}

// Many rebuilds with random counts, late files, names up to a path too long
// and now and then no memory, checked against a plain vector of the names
// that fitted; identifiers outside the list, also those that would wrap
// around, name nothing.
TEST(LanguageListTest, RandomRebuildsMatchAModel) {
    LanguageList list(SystemHeap());
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        std::uint32_t capacity = rng() % 6;
        if (capacity > 0 && rng() % 8 == 0) {
            // No memory: an empty list, and the next rebuild works again.
            SystemHeap().FailAfter(1);
            EXPECT_FALSE(list.Reset(capacity));
            SystemHeap().FailAfter(0);
            capacity = 0;
        } else {
            ASSERT_TRUE(list.Reset(capacity));
        }
        std::vector<std::string> model;
        for (std::uint32_t i = rng() % 9; i > 0; --i) {
            std::string name = "L" + std::to_string(round) + "_" + std::to_string(i) + ".dll";
            if (rng() % 4 == 0) name.resize(kMaxPath - 1 + rng() % 2, 'n');
            bool accepted = list.Append(name.c_str());
            EXPECT_EQ(accepted, model.size() < capacity && name.size() < kMaxPath) << name.size();
            if (accepted) model.push_back(name);
        }
        ASSERT_EQ(list.Count(), model.size());
        for (std::uint32_t i = 0; i < model.size(); ++i) EXPECT_EQ(list.NameOf(10000 + i), model[i]);
        for (std::uint32_t id : {0u, 9999u, 0xFFFFFFFFu, 10000 + static_cast<std::uint32_t>(model.size())}) {
            EXPECT_EQ(list.NameOf(id), nullptr) << id;
        }
    }
}

}  // namespace
}  // namespace velmo
