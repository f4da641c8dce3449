#include "language_test_support.h"

#include <gtest/gtest.h>

#include "settings/language_library.h"

namespace velmo::test {

namespace {

std::string ExeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

int Record(HWND, const char* text, const char*, UINT) {
    MessageRecorder::Texts().push_back(text);
    return IDOK;
}

}  // namespace

std::string DistFolder() { return ExeFolder() + VELMO_TEST_DIST_FROM_EXE "\\"; }

std::string FixtureFolder() { return ExeFolder() + "fixtures\\"; }

LibraryFile::LibraryFile(const std::string& path)
    : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

LibraryFile::~LibraryFile() {
    if (module_ != nullptr) FreeLibrary(module_);
}

ProgramFolder::ProgramFolder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "velmo_lang_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(GetTickCount()) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
    CreateDirectoryA((path_ + "Languages").c_str(), nullptr);
}

ProgramFolder::~ProgramFolder() {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA((path_ + "Languages").c_str());
    RemoveDirectoryA(path_.c_str());
}

void ProgramFolder::Add(const std::string& source, const std::string& name) {
    std::string target = path_ + "Languages\\" + name;
    ASSERT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE)) << source;
    files_.push_back(target);
}

MessageRecorder::MessageRecorder() {
    Texts().clear();
    SetLanguageMessageBox(Record);
}

MessageRecorder::~MessageRecorder() { SetLanguageMessageBox(nullptr); }

std::vector<std::string>& MessageRecorder::Texts() {
    static std::vector<std::string> texts;
    return texts;
}

}  // namespace velmo::test
