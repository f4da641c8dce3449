// The editing driver's random operations against the plain model, word wrap
// on and off. VELMO_SEED (first seed, default 1), VELMO_SEEDS (how many,
// default 3) and VELMO_RANDOM_OPS (operations per seed, default 4000) make
// longer runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "editing_driver.h"

namespace velmo::testing {
namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

TEST(RandomEditingTest, AgreesWithThePlainModelWithWrapOnAndOff) {
    std::uint64_t first = EnvNumber("VELMO_SEED", 1);
    std::uint64_t seeds = EnvNumber("VELMO_SEEDS", 3);
    std::uint64_t ops = EnvNumber("VELMO_RANDOM_OPS", 4000);
    std::map<std::string, std::uint64_t> seen;
    for (std::uint64_t seed = first; seed < first + seeds; ++seed) {
        EditingDriver driver;
        RandomChoices choices(seed);
        for (std::uint64_t step = 0; step < ops; ++step) {
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
