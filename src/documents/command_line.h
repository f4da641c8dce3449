#pragma once
// The one document path the program takes from its command line.
#include <cstddef>

#include "common/text_utils.h"

namespace velmo {

enum class CommandLinePath {
    kNone,     // only the program name
    kFound,    // the path is in `path`
    kTooLong,  // the path has 260 bytes or more
};

// Skips the program name (quoted or up to the first space), then takes a
// quoted path up to its closing quotation mark, or the rest of the line.
CommandLinePath ParseCommandLine(const char* commandLine, char (&path)[kMaxPath]);

}  // namespace velmo
