#include "documents/command_line.h"

namespace velmo {

namespace {

// The text after the program name, or null when no argument can follow.
const char* SkipProgramName(const char* line) {
    if (*line == '"') {
        ++line;
        while (*line != '\0' && *line != '"') ++line;
        return *line == '"' ? line + 1 : line;
    }
    while (*line != '\0' && *line != ' ') ++line;
    return *line == ' ' ? line : nullptr;
}

}  // namespace

CommandLinePath ParseCommandLine(const char* commandLine, char (&path)[kMaxPath]) {
    path[0] = '\0';
    const char* rest = commandLine != nullptr ? SkipProgramName(commandLine) : nullptr;
    if (rest == nullptr) return CommandLinePath::kNone;
    while (*rest == ' ') ++rest;
    if (*rest == '\0') return CommandLinePath::kNone;
    char end = '\0';
    if (*rest == '"') {
        end = '"';
        ++rest;
    }
    std::size_t n = 0;
    while (rest[n] != '\0' && rest[n] != end) ++n;
    if (n == 0) return CommandLinePath::kNone;
    if (n >= kMaxPath) return CommandLinePath::kTooLong;
    for (std::size_t i = 0; i < n; ++i) path[i] = rest[i];
    path[n] = '\0';
    return CommandLinePath::kFound;
}

}  // namespace velmo
