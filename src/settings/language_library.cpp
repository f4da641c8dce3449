#include "settings/language_library.h"

#include <cstring>

#include "resource_ids.h"
#include "settings/language_names.h"

namespace velmo {

namespace {

// Texts used while no library is loaded yet.
constexpr char kBuiltInWrongVersion[] = "Invalid Version of Language File. Version % is required.";
constexpr char kBuiltInLoadError[] = "Language Library loading error.";
constexpr char kBuiltInNoMemory[] = "Not enough memory.";
constexpr char kBuiltInDefaultWrongVersion[] = "Invalid Version of Defaut Language File. Version % is required.";
constexpr char kBuiltInDefaultLoadError[] = "Default Language Library loading error.";
constexpr char kVersionValue[] = "\\StringFileInfo\\041B04E4\\FileVersion";
constexpr UINT kNoString = 0;  // always the built-in text

int DefaultMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return MessageBoxA(owner, text, caption, type);
}

LanguageMessageBox messageBox = DefaultMessageBox;

// The library's string once one is loaded, the built-in text before.
void ErrorText(UINT id, const char* builtIn, char* dst, std::size_t dstSize) {
    if (id != kNoString && Language().libraryLoaded && LoadLanguageString(id, dst, dstSize) && dst[0] != '\0') return;
    BoundedCopy(dst, dstSize, builtIn);
}

void ShowError(HWND owner, UINT id, const char* builtIn) {
    char text[512];
    ErrorText(id, builtIn, text, sizeof text);
    messageBox(owner, text, nullptr, MB_OK | MB_ICONERROR);
}

void ShowVersionError(HWND owner, UINT id, const char* builtIn) {
    char pattern[512];
    char text[512];
    ErrorText(id, builtIn, pattern, sizeof pattern);
    SubstitutePercent(text, sizeof text, pattern, kRequiredLibraryVersion);
    messageBox(owner, text, nullptr, MB_OK | MB_ICONERROR);
}

// The two failure texts of one kind of load: run-time or default library.
struct LoadMessages {
    UINT wrongVersionId;
    const char* wrongVersion;
    UINT loadErrorId;
    const char* loadError;
};

constexpr LoadMessages kLibraryMessages = {IDS_WRONG_VERSION, kBuiltInWrongVersion, IDS_LOAD_ERROR,
                                           kBuiltInLoadError};
constexpr LoadMessages kDefaultMessages = {kNoString, kBuiltInDefaultWrongVersion, kNoString,
                                           kBuiltInDefaultLoadError};

HMODULE OpenLibrary(HWND owner, const char* programFolder, const char* fileName, const LoadMessages& messages) {
    char path[kMaxPath];
    if (!BuildLibraryPath(path, sizeof path, programFolder, fileName)) {
        ShowError(nullptr, messages.loadErrorId, messages.loadError);
        return nullptr;
    }
    if (!CheckLibraryVersion(owner, path)) {
        ShowVersionError(owner, messages.wrongVersionId, messages.wrongVersion);
        return nullptr;
    }
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        ShowError(nullptr, messages.loadErrorId, messages.loadError);
        return nullptr;
    }
    LanguageState& state = Language();
    state.module = module;
    BoundedCopy(state.fileName, sizeof state.fileName, fileName);
    return module;
}

// Whether the version value inside the record `data` of `size` bytes is the
// required one; the value must lie wholly inside the record.
bool HasRequiredVersion(void* data, DWORD size) {
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data, kVersionValue, reinterpret_cast<void**>(&value), &length) || value == nullptr) {
        return false;
    }
    char* begin = static_cast<char*>(data);
    if (value < begin || value >= begin + size) return false;
    std::size_t room = static_cast<std::size_t>(begin + size - value);
    std::size_t valueLength = BoundedLength(value, room);
    return valueLength < room && std::strcmp(value, kRequiredLibraryVersion) == 0;
}

}  // namespace

LanguageState& Language() {
    static LanguageState state;
    return state;
}

void ReleaseLanguage() {
    LanguageState& state = Language();
    if (state.module != nullptr) FreeLibrary(state.module);
    if (state.trayMenu != nullptr) DestroyMenu(state.trayMenu);
    state.list.Release();
    state.module = nullptr;
    BoundedCopy(state.fileName, sizeof state.fileName, kDefaultLibraryName);
    state.libraryLoaded = false;
    state.languageMenu = nullptr;  // owned by the main menu
    state.languageMenuItems = 0;
    state.trayMenu = nullptr;
}

LanguageMessageBox SetLanguageMessageBox(LanguageMessageBox box) {
    LanguageMessageBox previous = messageBox;
    messageBox = box != nullptr ? box : DefaultMessageBox;
    return previous;
}

bool CheckLibraryVersion(HWND owner, const char* path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return false;
    BlockHeap& heap = SystemHeap();
    BlockHandle block = heap.Allocate(size, false);
    void* data = block != 0 ? heap.Lock(block) : nullptr;
    if (data == nullptr) {
        heap.Free(block);
        ShowError(owner, IDS_NO_MEMORY, kBuiltInNoMemory);
        return false;
    }
    bool passed = GetFileVersionInfoA(path, 0, size, data) && HasRequiredVersion(data, size);
    heap.Unlock(block);
    heap.Free(block);
    return passed;
}

HMODULE LoadLanguageFile(HWND owner, const char* programFolder, const char* fileName) {
    return OpenLibrary(owner, programFolder, fileName, kLibraryMessages);
}

HMODULE LoadLanguageLibrary(HWND owner, const char* programFolder, std::uint32_t identifier) {
    return LoadLanguageFile(owner, programFolder, MappedLibraryName(identifier));
}

bool StartLanguage(const char* programFolder, std::uint32_t* language) {
    if (LoadLanguageLibrary(nullptr, programFolder, *language) == nullptr) {
        *language = kEnglishLanguageId;
        if (OpenLibrary(nullptr, programFolder, kDefaultLibraryName, kDefaultMessages) == nullptr) return false;
    }
    Language().libraryLoaded = true;
    return true;
}

bool LoadLanguageString(UINT id, char* dst, std::size_t dstSize) {
    if (dstSize == 0) return false;
    dst[0] = '\0';
    HMODULE module = Language().module;
    int bufferSize = dstSize > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(dstSize);
    return module != nullptr && LoadStringA(module, id, dst, bufferSize) > 0;
}

}  // namespace velmo
