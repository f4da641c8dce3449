#include "app/program_paths.h"

namespace velmo {

bool JoinPath(char (&dst)[kMaxPath], const char* folder, const char* name) {
    if (BoundedCopy(dst, sizeof dst, folder) && BoundedAppend(dst, sizeof dst, name)) return true;
    dst[0] = '\0';
    return false;
}

bool DeriveProgramPaths(const char* modulePath, ProgramPaths* paths) {
    ProgramPaths p;
    if (!BoundedCopy(p.module, sizeof p.module, modulePath)) return false;
    BoundedCopy(p.folder, sizeof p.folder, p.module);
    p.folder[FileNamePart(p.folder) - p.folder] = '\0';
    bool fits = JoinPath(p.help, p.folder, "Help\\") && JoinPath(p.settings, p.folder, "Velmo.ini") &&
                JoinPath(p.languages, p.folder, "Languages\\");
    if (fits) *paths = p;
    return fits;
}

}  // namespace velmo
