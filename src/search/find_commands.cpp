#include "search/find_commands.h"

namespace velmo {

void RunFindCommand(unsigned) {}

void HandleFindReplaceMessage(LPARAM) {}

}  // namespace velmo
