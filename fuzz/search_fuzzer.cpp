// The input bytes as the search driver's decisions: finds both ways,
// replaces and replace-alls with allocation failures, each checked against a
// naive search.
#include "../tests/editview/search/search_driver.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmo::testing::ByteChoices choices(data, size);
    velmo::testing::SearchDriver driver;
    while (!choices.Exhausted()) {
        std::string problem = driver.Step(choices);
        velmo::fuzz::Require(problem.empty(), problem);
    }
    return 0;
}
