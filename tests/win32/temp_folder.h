#pragma once
// A fresh folder under the system's temporary folder, removed with its files
// at the end of a test.
#include <windows.h>

#include <string>

namespace velmo {

class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH];
        GetTempPathA(sizeof base, base);
        for (unsigned n = GetTickCount();; ++n) {
            path_ = std::string(base) + "velmo_test_" + std::to_string(n) + "\\";
            if (CreateDirectoryA(path_.c_str(), nullptr)) break;
        }
    }
    ~TempFolder() {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileA((path_ + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace velmo
