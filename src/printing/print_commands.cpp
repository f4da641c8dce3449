#include "printing/print_commands.h"

namespace velmo {

void ShowPageSetup() {}

void PrintDocument() {}

}  // namespace velmo
