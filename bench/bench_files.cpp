#include "bench_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_support.h"

namespace velmo::bench {

BenchFiles::BenchFiles() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    folder_ = std::string(base) + "velmo-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
}

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName, path = folder + "\\" + name;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

BenchFiles::~BenchFiles() { RemoveTree(folder_); }

std::string BenchFiles::Lines(std::uint32_t size, std::uint32_t columns) {
    std::string path = folder_ + "\\lines-" + std::to_string(columns) + "-" + std::to_string(size) + ".txt";
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    // Whole lines per piece, so that the pieces join into one text.
    const std::uint32_t line = columns + 2;
    const std::uint32_t piece = columns == 0 ? size : std::max(line, (4 * kMB / line) * line);
    std::vector<std::uint8_t> bytes(std::min(piece, size));
    bool written = true;
    for (std::uint32_t at = 0; at < size && written; at += piece) {
        std::uint32_t count = std::min(piece, size - at);
        FillLines(bytes.data(), count, columns, at / std::max(line, 1u) + 1);
        DWORD done = 0;
        written = WriteFile(file, bytes.data(), count, &done, nullptr) && done == count;
    }
    CloseHandle(file);
    return written ? path : "";
}

std::string SizeText(std::uint64_t bytes) {
    char text[32];
    if (bytes >= kMB) {
        std::snprintf(text, sizeof text, "%g MB", static_cast<double>(bytes) / kMB);
    } else {
        std::snprintf(text, sizeof text, "%g KB", static_cast<double>(bytes) / 1024);
    }
    return text;
}

}  // namespace velmo::bench
