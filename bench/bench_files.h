#pragma once
// Text files for the benchmark, written once into a folder of their own
// under the temporary folder, which goes with everything in it at the end.
#include <cstdint>
#include <string>

namespace velmo::bench {

class BenchFiles {
public:
    BenchFiles();
    ~BenchFiles();
    BenchFiles(const BenchFiles&) = delete;
    BenchFiles& operator=(const BenchFiles&) = delete;

    // A file of `size` bytes of lines of `columns` characters (FillLines);
    // made on first use. Empty when it could not be written.
    std::string Lines(std::uint32_t size, std::uint32_t columns);
    // A path in the folder for a file the caller writes.
    std::string PathFor(const std::string& name) const { return folder_ + "\\" + name; }
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};

constexpr std::uint32_t kMB = 1u << 20;
std::string SizeText(std::uint64_t bytes);

}  // namespace velmo::bench
