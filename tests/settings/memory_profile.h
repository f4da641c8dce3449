#pragma once
// A settings file in memory that reads values back the way the system's
// profile functions do: blanks at both ends dropped, then one pair of
// enclosing quotation marks.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "settings/profile_access.h"
#include "settings/settings_file.h"

namespace velmo {

class MemoryProfile final : public ProfileAccess {
public:
    std::size_t ReadText(const char* key, char* dst, std::size_t dstSize) override {
        if (dstSize == 0) return 0;
        auto it = values.find(key);
        std::string text = it == values.end() ? std::string() : AsRead(it->second);
        std::size_t n = std::min(text.size(), dstSize - 1);
        std::memcpy(dst, text.data(), n);
        dst[n] = '\0';
        return n;
    }

    bool WriteText(const char* key, const char* text) override {
        writes.push_back(key);
        values[key] = text;
        return true;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // keys in the order they were written

private:
    static std::string AsRead(std::string text) {
        const char* blanks = " \t\v\f";
        std::size_t first = text.find_first_not_of(blanks);
        if (first == std::string::npos) return std::string();
        text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
        bool quoted = text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0];
        return quoted ? text.substr(1, text.size() - 2) : text;
    }
};

// Every setting, written the way the program writes each of them.
inline void WriteEverySetting(ProfileAccess& file, const Settings& s) {
    for (const IntKey& key : kIntKeys) WriteSetting(file, s, key.member);
    WriteFontSettings(file, s);
    WriteRecentFiles(file, s);
    WriteTextSetting(file, kFindStringKey, s.findString);
    WriteTextSetting(file, kReplaceStringKey, s.replaceString);
}

}  // namespace velmo
