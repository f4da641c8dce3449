#include "tools/text_tool_commands.h"

namespace velmo {

void RunTextTool(unsigned) {}

}  // namespace velmo
