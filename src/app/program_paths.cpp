#include "app/program_paths.h"

namespace velmo {

bool DeriveProgramPaths(const char* modulePath, ProgramPaths* paths) {
    ProgramPaths p;
    if (!BoundedCopy(p.module, sizeof p.module, modulePath)) return false;
    BoundedCopy(p.folder, sizeof p.folder, p.module);
    p.folder[FileNamePart(p.folder) - p.folder] = '\0';
    bool fits = JoinPath(p.help, sizeof p.help, {p.folder, "Help\\"}) &&
                JoinPath(p.settings, sizeof p.settings, {p.folder, "Velmo.ini"}) &&
                JoinPath(p.languages, sizeof p.languages, {p.folder, "Languages\\"});
    if (fits) *paths = p;
    return fits;
}

}  // namespace velmo
