#pragma once
// Where the built language libraries and the test fixtures are, a scratch
// program folder with its own "Languages\", and a message-box recorder.
#include <windows.h>

#include <string>
#include <vector>

namespace velmo::test {

// Folders ending in a backslash.
std::string DistFolder();      // the distribution folder (Languages\, Help\)
std::string FixtureFolder();   // fixture libraries built for these tests

inline const char* const kLanguageNames[] = {"English", "Slovak", "Czech"};

// A library of the distribution, loaded as a data file; freed on destruction.
class LibraryFile {
public:
    explicit LibraryFile(const std::string& path);
    ~LibraryFile();
    LibraryFile(const LibraryFile&) = delete;
    LibraryFile& operator=(const LibraryFile&) = delete;
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

// A fresh folder in the temporary folder with an empty "Languages\" inside.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    const char* path() const { return path_.c_str(); }
    // Copies `source` into Languages\ as `name`.
    void Add(const std::string& source, const std::string& name);

private:
    std::string path_;
    std::vector<std::string> files_;
};

// Records the texts of the language message boxes instead of showing them.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    static std::vector<std::string>& Texts();
};

}  // namespace velmo::test
