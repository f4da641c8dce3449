#pragma once
// What the text tools take from the user's locale: case forms and letter
// classes of every byte, and the time and long date texts.
#include <cstddef>

#include "tools/text_transforms.h"

namespace velmo {

CaseTable UserCaseTable();

// The local time without seconds, a space and the long local date; false
// (and `text` empty) when the system could not format them.
bool FormatTimeAndDate(char* text, std::size_t size);

}  // namespace velmo
