// The search driver's random finds, replaces and replace-alls against the
// plain model.
#include <gtest/gtest.h>

#include "search_driver.h"

namespace velmo::testing {
namespace {

TEST(RandomSearchTest, AgreesWithThePlainModel) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        SearchDriver driver;
        RandomChoices choices(seed);
        for (int step = 0; step < 4000; ++step) {
            ASSERT_EQ(driver.Step(choices), "") << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
}  // namespace velmo::testing
