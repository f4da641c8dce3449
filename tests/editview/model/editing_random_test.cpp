// The editing driver's random operations against the plain model, word wrap
// on and off; the editing fuzz target makes longer runs.
#include <gtest/gtest.h>

#include <iostream>

#include "editing_driver.h"

namespace velmo::testing {
namespace {

TEST(RandomEditingTest, AgreesWithThePlainModelWithWrapOnAndOff) {
    std::map<std::string, std::uint64_t> seen;
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        EditingDriver driver;
        RandomChoices choices(seed);
        for (int step = 0; step < 4000; ++step) {
            ASSERT_EQ(driver.Step(choices), "") << "seed " << seed << " step " << step;
        }
        for (const auto& [name, count] : driver.Seen()) seen[name] += count;
    }
    std::cout << "[ stats    ]";
    for (const auto& [name, count] : seen) std::cout << ' ' << name << '=' << count;
    std::cout << '\n';
    for (const char* outcome : {"Done", "DoneWithoutRecord", "Cancelled", "NoTextSpace", "NoTableSpace",
                                "step back Done", "rewrap failed", "wrap switch failed", "new text refused",
                                "loaded new text refused"}) {
        EXPECT_GT(seen[outcome], 0u) << outcome;
    }
}

}  // namespace
}  // namespace velmo::testing
