#include "file_facts.h"

#include <windows.h>

#include <sstream>

namespace journeys {
namespace {

// The values of the first translation in the version record.
void AddVersion(const char* path, std::vector<std::string>& lines) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return;
    std::vector<char> record(size);
    if (!GetFileVersionInfoA(path, 0, size, record.data())) return;
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof *translation) {
        return;
    }
    for (const char* key : {"ProductName", "FileVersion", "ProductVersion"}) {
        char query[64];
        wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage, key);
        char* value = nullptr;
        if (VerQueryValueA(record.data(), query, reinterpret_cast<void**>(&value), &length) && length > 0) {
            lines.push_back(std::string(key) + ": " + value);
        }
    }
}

// Resource 1 of type RT_MANIFEST: what the loader reads when it starts the
// program.
void AddManifest(const char* path, std::vector<std::string>& lines) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    if (loaded != nullptr) {
        std::istringstream text(std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)));
        for (std::string line; std::getline(text, line);) lines.push_back("manifest: " + line);
    }
    FreeLibrary(module);
}

}  // namespace

std::vector<std::string> DescribeFile(const char* path) {
    std::vector<std::string> lines;
    AddVersion(path, lines);
    AddManifest(path, lines);
    return lines;
}

}  // namespace journeys
