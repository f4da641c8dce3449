#pragma once
// EVM_FILEIO: the document read from or written to a file whole, bytes
// unchanged. Results are nonzero on success; on failure 0 with the system's
// last-error code saying why (2 missing file, 8 memory, 223 file too large).
#include <windows.h>

namespace velmo {

LRESULT LoadDocumentFile(const char* path);
LRESULT SaveDocumentFile(const char* path);

}  // namespace velmo
