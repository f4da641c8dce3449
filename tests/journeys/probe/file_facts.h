#pragma once
// What a program file carries for the system: its version record and its
// application manifest.
#include <string>
#include <vector>

namespace journeys {

// "ProductName: ...", "FileVersion: ..." and the manifest's lines; empty
// when the file cannot be read.
std::vector<std::string> DescribeFile(const char* path);

}  // namespace journeys
