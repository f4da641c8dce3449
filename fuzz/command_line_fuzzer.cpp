// Any bytes as a command line, and as the parts of every path the program
// joins: the parsed path and each joined path equal what the plain rules
// give, or the call refuses, and nothing is written past a destination
// (each destination is a heap block of exactly the size given).
#include <cstring>
#include <string>
#include <vector>

#include "app/program_paths.h"
#include "documents/command_line.h"
#include "fuzz_check.h"
#include "settings/language_names.h"

namespace velmo::fuzz {
namespace {

// The command line's document path, read the plain way.
CommandLinePath ReferencePath(const std::string& line, std::string* path) {
    path->clear();
    std::size_t at;
    if (!line.empty() && line[0] == '"') {
        std::size_t close = line.find('"', 1);
        at = close == std::string::npos ? line.size() : close + 1;
    } else {
        at = line.find(' ');
        if (at == std::string::npos) return CommandLinePath::kNone;
    }
    at = std::min(line.find_first_not_of(' ', at), line.size());
    if (at < line.size() && line[at] == '"') {
        std::size_t close = line.find('"', at + 1);
        *path = line.substr(at + 1, close == std::string::npos ? std::string::npos : close - at - 1);
    } else {
        *path = line.substr(at);
    }
    if (path->empty()) return CommandLinePath::kNone;
    if (path->size() >= kMaxPath) {
        path->clear();
        return CommandLinePath::kTooLong;
    }
    return CommandLinePath::kFound;
}

void CheckCommandLine(const std::string& line) {
    char path[kMaxPath];
    std::string expected;
    Require(ParseCommandLine(line.c_str(), path) == ReferencePath(line, &expected), "command line result");
    Require(path == expected, "command line path");
}

// A join into a destination of `size` bytes: the whole of `expected`, or
// refused with an empty destination.
template <typename Join>
void CheckJoin(std::size_t size, const std::string& expected, Join join, const char* what) {
    std::vector<char> dst(size == 0 ? 1 : size, '#');
    bool fits = join(dst.data(), size);
    if (size == 0) return;
    Require(fits == (expected.size() < size), std::string(what) + " result");
    Require(std::string(dst.data()) == (fits ? expected : ""), std::string(what) + " text");
}

void CheckProgramPaths(const std::string& module) {
    ProgramPaths paths;
    std::strcpy(paths.settings, "untouched");
    bool derived = DeriveProgramPaths(module.c_str(), &paths);
    std::string folder = module.substr(0, module.rfind('\\') == std::string::npos ? 0 : module.rfind('\\') + 1);
    std::size_t longest = std::max(module.size(), folder.size() + std::strlen("Languages\\"));
    Require(derived == (longest < kMaxPath), "program paths result");
    if (!derived) {
        Require(std::strcmp(paths.settings, "untouched") == 0, "half-derived program paths");
        return;
    }
    Require(paths.module == module && paths.folder == folder, "program folder");
    Require(paths.help == folder + "Help\\" && paths.settings == folder + "Velmo.ini" &&
                paths.languages == folder + "Languages\\",
            "program paths");
}

}  // namespace
}  // namespace velmo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmo;
    using fuzz::CheckJoin;
    if (size < 2) return 0;
    std::size_t dstSize = data[0] | (data[1] & 1) << 8;  // 0..511: around the 260-byte paths
    std::string input(reinterpret_cast<const char*>(data) + 2, size - 2);
    fuzz::CheckCommandLine(input.c_str());
    fuzz::CheckProgramPaths(input.c_str());
    // The input's NUL-separated pieces as the parts of a path.
    std::vector<std::string> parts;
    for (std::size_t at = 0; parts.size() < 3; at += parts.back().size() + 1) {
        parts.push_back(at < input.size() ? std::string(input.c_str() + at) : "");
    }
    const std::string &a = parts[0], &b = parts[1], &c = parts[2];
    CheckJoin(dstSize, a + b + c,
              [&](char* d, std::size_t n) { return JoinPath(d, n, {a.c_str(), b.c_str(), c.c_str()}); }, "joined path");
    CheckJoin(dstSize, a + "Languages\\" + b,
              [&](char* d, std::size_t n) { return BuildLibraryPath(d, n, a.c_str(), b.c_str()); }, "library path");
    CheckJoin(dstSize, a + "Languages\\*.dll",
              [&](char* d, std::size_t n) { return BuildLibraryPattern(d, n, a.c_str()); }, "library pattern");
    std::uint32_t language = 9999 + data[1] % 5;
    bool slovakHelp = language == kSlovakLanguageId || language == kCzechLanguageId;
    CheckJoin(dstSize, a + "Help\\" + (slovakHelp ? "Slovak.chm" : "English.chm"),
              [&](char* d, std::size_t n) { return BuildHelpPath(d, n, a.c_str(), language); }, "help path");
    std::string name = b.substr(0, std::min<std::size_t>(b.size(), kMaxPath));
    CheckJoin(dstSize, name.substr(0, name.size() > 4 ? name.size() - 4 : 0),
              [&](char* d, std::size_t n) { return LanguageMenuText(d, n, b.c_str()); }, "language menu text");
    return 0;
}
