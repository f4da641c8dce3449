// The input bytes as the editing driver's decisions: typing, deletion,
// replacement, undo, redo, word wrap on and off and new measurements, with
// allocation failures, each step checked against the plain model.
#include "../tests/editview/model/editing_driver.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmo::testing::ByteChoices choices(data, size);
    velmo::testing::EditingDriver driver;
    while (!choices.Exhausted()) {
        std::string problem = driver.Step(choices);
        velmo::fuzz::Require(problem.empty(), problem);
    }
    return 0;
}
