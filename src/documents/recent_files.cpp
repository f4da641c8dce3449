#include "documents/recent_files.h"

namespace velmo {

void AddRecentFile(const char*) {}

void OpenRecentFile(unsigned) {}

void InsertRecentItems(HMENU) {}

}  // namespace velmo
