#pragma once
// Editing operations applied to the editor and to a plain model side by side,
// with word wrap switched on and off, the measurements changed and new texts
// handed over on the way. After every step the bytes, the layout (the line
// table against a rebuild, the rows against the literal breaking rules), the
// selection, the flags, both histories and the line queries must agree with
// the model. Some steps run with allocations set to fail; the editor must
// then have made the whole edit or nothing, as its answer says. The decisions
// come from a Choices, so the randomized test and the fuzz target drive the
// same code.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "../../common/choices.h"

namespace velmo::testing {

class EditingDriver {
public:
    EditingDriver();
    ~EditingDriver();

    // One operation chosen by `choices`, then the comparison: "" when the
    // editor agrees with the model, else the first difference.
    std::string Step(Choices& choices);
    // How often each outcome came, so that a test can see every path taken.
    const std::map<std::string, std::uint64_t>& Seen() const;

private:
    class Run;
    std::unique_ptr<Run> run_;
};

}  // namespace velmo::testing
