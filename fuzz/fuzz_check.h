#pragma once
// A broken rule found by a fuzz target: said on standard error, then the
// process aborts so that libFuzzer keeps the input that led there.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmo::fuzz {

inline void Require(bool holds, const std::string& what) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what.c_str());
    std::abort();
}

}  // namespace velmo::fuzz
