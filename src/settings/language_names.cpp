#include "settings/language_names.h"

#include "common/text_utils.h"

namespace velmo {

namespace {

constexpr char kCzechLibraryName[] = "Czech.dll";
constexpr char kSlovakLibraryName[] = "Slovak.dll";

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

const char* MappedLibraryName(std::uint32_t identifier) {
    if (identifier == kCzechLanguageId) return kCzechLibraryName;
    if (identifier == kSlovakLanguageId) return kSlovakLibraryName;
    return kDefaultLibraryName;
}

std::uint32_t SavedLanguageFor(const char* fileName) {
    if (SameFileName(fileName, kCzechLibraryName)) return kCzechLanguageId;
    if (SameFileName(fileName, kSlovakLibraryName)) return kSlovakLanguageId;
    return kEnglishLanguageId;
}

bool SameFileName(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (FoldAscii(*a) != FoldAscii(*b)) return false;
    }
    return *a == *b;
}

bool BuildLibraryPath(char* dst, std::size_t dstSize, const char* programFolder, const char* fileName) {
    return JoinPath(dst, dstSize, {programFolder, "Languages\\", fileName});
}

bool BuildLibraryPattern(char* dst, std::size_t dstSize, const char* programFolder) {
    return BuildLibraryPath(dst, dstSize, programFolder, "*.dll");
}

bool BuildHelpPath(char* dst, std::size_t dstSize, const char* programFolder, std::uint32_t language) {
    bool slovak = language == kSlovakLanguageId || language == kCzechLanguageId;
    return JoinPath(dst, dstSize, {programFolder, "Help\\", slovak ? "Slovak.chm" : "English.chm"});
}

bool LanguageMenuText(char* dst, std::size_t dstSize, const char* fileName) {
    if (dstSize == 0) return false;
    std::size_t length = BoundedLength(fileName, kMaxPath);
    std::size_t keep = length > 4 ? length - 4 : 0;
    if (keep + 1 > dstSize) {
        dst[0] = '\0';
        return false;
    }
    CopyForward(dst, fileName, keep);
    dst[keep] = '\0';
    return true;
}

}  // namespace velmo
