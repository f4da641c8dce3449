// Reads for the user journeys what a user sees, without touching the input:
//   journey_probe DESKTOP show               the snapshot (see snapshot.h)
//   journey_probe DESKTOP wait MS PATTERN    waits until a line matches
//   journey_probe DESKTOP gone MS PATTERN    waits until no line matches
//   journey_probe DESKTOP end                ends the programs shown there
//   journey_probe - file PATH                version record and manifest
// DESKTOP names the Wine desktop the program runs on ("-": this one). A wait
// prints the matching line, or on timeout the last snapshot, and exits 1.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "file_facts.h"
#include "snapshot.h"

namespace {

constexpr DWORD kPollMs = 50;

int Usage() {
    std::fputs("usage: journey_probe DESKTOP show | wait MS PATTERN | gone MS PATTERN | end | file PATH\n", stderr);
    return 2;
}

// The windows' texts are in the system's ANSI code page; the shell that
// reads them works in UTF-8.
std::string Utf8(const std::string& ansi) {
    std::vector<wchar_t> wide(ansi.size() + 1);
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    std::vector<char> utf8(4 * wide.size());
    if (n == 0 || WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, utf8.data(), static_cast<int>(utf8.size()),
                                      nullptr, nullptr) == 0) {
        return ansi;
    }
    return utf8.data();
}

void Print(const std::string& line) { std::printf("%s\n", Utf8(line).c_str()); }

void Print(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) Print(line);
}

// The desktop named on the command line, entered once it exists. The
// program's desktop comes and goes with the program, so a missing one only
// means that nothing is shown yet, or any more.
class Desktop {
public:
    explicit Desktop(const char* name) : name_(name), entered_(name_ == "-") {}
    std::vector<std::string> Snapshot() {
        if (!entered_) {
            HDESK desktop = OpenDesktopA(name_.c_str(), 0, FALSE, GENERIC_ALL);
            if (desktop == nullptr) return {};
            entered_ = SetThreadDesktop(desktop);
            if (!entered_) {
                CloseDesktop(desktop);
                return {};
            }
        }
        return journeys::TakeSnapshot();
    }

private:
    std::string name_;
    bool entered_;
};

const std::string* FirstMatch(const std::vector<std::string>& lines, const std::regex& pattern) {
    for (const std::string& line : lines) {
        if (std::regex_search(line, pattern)) return &line;
    }
    return nullptr;
}

// After a failed journey: what is still shown must not outlive it.
void EndPrograms(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const auto space = line.find(' ');
        const DWORD id = std::strtoul(line.c_str() + space + 1, nullptr, 10);
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
        if (process == nullptr) continue;
        TerminateProcess(process, 1);
        CloseHandle(process);
    }
}

// Polls until a line matches (present) or none does (!present).
int Await(Desktop& desktop, DWORD timeoutMs, const char* patternText, bool present) {
    const std::regex pattern(patternText);
    const DWORD start = GetTickCount();
    for (;;) {
        const std::vector<std::string> lines = desktop.Snapshot();
        const std::string* match = FirstMatch(lines, pattern);
        if (present && match != nullptr) {
            Print(*match);
            return 0;
        }
        if (!present && match == nullptr) return 0;
        if (GetTickCount() - start >= timeoutMs) {
            std::printf("timed out after %lu ms waiting for %s: %s\n", static_cast<unsigned long>(timeoutMs),
                        present ? "a line matching" : "no line matching", patternText);
            Print(lines);
            return 1;
        }
        Sleep(kPollMs);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string command = argv[2];
    Desktop desktop(argv[1]);
    if (command == "show" && argc == 3) {
        Print(desktop.Snapshot());
        return 0;
    }
    if ((command == "wait" || command == "gone") && argc == 5) {
        return Await(desktop, static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)), argv[4], command == "wait");
    }
    if (command == "end" && argc == 3) {
        EndPrograms(desktop.Snapshot());
        return 0;
    }
    if (command == "file" && argc == 4) {
        const std::vector<std::string> lines = journeys::DescribeFile(argv[3]);
        Print(lines);
        return lines.empty() ? 1 : 0;
    }
    return Usage();
}
