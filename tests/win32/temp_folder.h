#pragma once
// A fresh folder under the system's temporary folder, removed with all it holds
// at the end of a test, and the whole-file reads and writes the tests make.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Makes `path` a file of exactly `bytes`; returns the path.
inline std::string WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    return file.write(bytes.data(), bytes.size()).flush() ? path : "<not written: " + path + ">";
}

// The bytes of the file at `path`; "<missing>" when it cannot be read.
inline std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<missing>";
}

}  // namespace velmo
