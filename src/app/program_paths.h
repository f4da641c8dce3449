#pragma once
// The paths the program derives from its own location. Each must fit a
// 260-byte buffer; a program folder so deep that one would not is refused.
#include "common/text_utils.h"

namespace velmo {

struct ProgramPaths {
    char module[kMaxPath] = "";
    char folder[kMaxPath] = "";    // up to and including the last backslash
    char help[kMaxPath] = "";      // folder + "Help\"
    char settings[kMaxPath] = "";  // folder + "Velmo.ini"
    char languages[kMaxPath] = ""; // folder + "Languages\"
};

// False when any derived path would not fit.
bool DeriveProgramPaths(const char* modulePath, ProgramPaths* paths);

}  // namespace velmo
