#include "settings/help.h"

#include <shellapi.h>

#include "common/text_utils.h"
#include "settings/language_names.h"

namespace velmo {

void ShowHelp(HWND owner, const char* programFolder, std::uint32_t language) {
    char path[kMaxPath];
    if (!BuildHelpPath(path, sizeof path, programFolder, language)) return;
    ShellExecuteA(owner, nullptr, path, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace velmo
