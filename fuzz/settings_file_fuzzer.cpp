// Any bytes as a settings file: after reading, every key holds a value its
// validation keeps, every text is terminated, and what is written back reads
// back the same.
#include <cstring>
#include <string>

#include "../tests/settings/memory_profile.h"
#include "fuzz_check.h"
#include "settings/settings_file.h"
#include "settings/settings_validation.h"

namespace velmo::fuzz {
namespace {

// The file's lines as the system reads them: "key=value", the first line of
// a key winning, lines without "=" ignored.
MemoryProfile ProfileOf(const std::string& file) {
    MemoryProfile profile;
    std::size_t at = 0;
    while (at < file.size()) {
        std::size_t end = file.find_first_of("\r\n", at);
        if (end == std::string::npos) end = file.size();
        std::string line = file.substr(at, end - at);
        std::size_t equals = line.find('=');
        if (equals != std::string::npos) profile.values.emplace(line.substr(0, equals), line.substr(equals + 1));
        at = end + 1;
    }
    return profile;
}

bool Terminated(const char* text, std::size_t size) { return std::memchr(text, '\0', size) != nullptr; }

void RequireValid(const Settings& s, std::int32_t screenWidth, std::int32_t screenHeight) {
    for (const IntKey& key : kIntKeys) {
        if (key.fix == OutOfRange::CheckScreen) continue;
        Require(ValidateIntSetting(key, s.*key.member) == s.*key.member, std::string("out of range: ") + key.name);
    }
    Settings again = s;
    ValidatePlacement(again, screenWidth, screenHeight);
    Require(again.x == s.x && again.y == s.y && again.width == s.width && again.height == s.height,
            "the placement changes when validated again");
    Require(Terminated(s.fontName, sizeof s.fontName) && s.fontName[0] != '\0', "face name");
    Require(Terminated(s.findString, sizeof s.findString), "find text");
    Require(Terminated(s.replaceString, sizeof s.replaceString), "replace text");
    Require(s.mruCount >= 0 && s.mruCount <= kMaxRecentFiles, "recent file count");
    for (int i = 0; i < s.mruCount; ++i) Require(Terminated(RecentEntry(s, i), kMaxPath), "recent path");
}

// A value of -1 is written as 4294967295, which reads as "use the default".
void RequireSame(const Settings& back, const Settings& s) {
    Settings defaults = DefaultSettings();
    for (const IntKey& key : kIntKeys) {
        std::int32_t expected = s.*key.member == -1 ? defaults.*key.member : s.*key.member;
        Require(back.*key.member == expected, std::string("read back differently: ") + key.name);
    }
    Require(std::strcmp(back.fontName, s.fontName) == 0, "face name read back differently");
    Require(std::strcmp(back.findString, s.findString) == 0, "find text read back differently");
    Require(std::strcmp(back.replaceString, s.replaceString) == 0, "replace text read back differently");
    for (int i = 0; i < s.mruCount && i < back.mruCount; ++i) {
        Require(std::strcmp(RecentEntry(back, i), RecentEntry(s, i)) == 0, "recent path read back differently");
    }
}

}  // namespace
}  // namespace velmo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmo;
    if (size < 4) return 0;
    // The screen may be reported as anything, even nonsense.
    auto screenWidth = static_cast<std::int16_t>(data[0] | data[1] << 8);
    auto screenHeight = static_cast<std::int16_t>(data[2] | data[3] << 8);
    MemoryProfile file = fuzz::ProfileOf(std::string(reinterpret_cast<const char*>(data) + 4, size - 4));
    Settings read;
    std::memset(&read, 0x5A, sizeof read);
    LoadSettings(read, file, screenWidth, screenHeight);
    fuzz::RequireValid(read, screenWidth, screenHeight);
    MemoryProfile written;
    WriteEverySetting(written, read);
    for (const IntKey& key : kIntKeys) {
        fuzz::Require(written.values[key.name].find('-') == std::string::npos, std::string(key.name) + " signed");
    }
    Settings back;
    LoadSettings(back, written, screenWidth, screenHeight);
    fuzz::RequireSame(back, read);
    return 0;
}
