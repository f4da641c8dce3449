#pragma once
// The main window's title: "Velmo 2 - name", with "* " in front while the
// document holds unsaved changes.
#include <cstddef>

#include "common/product_name.h"

namespace velmo {

constexpr std::size_t kTitleBufferSize = 264;  // "* " + plain title; a longer title is cut
constexpr std::size_t kPlainTitleOffset = 2;   // where the plain title starts in the buffer

// The buffer always holds "* " followed by "Velmo 2 - name".
void BuildTitleBuffer(char (&buffer)[kTitleBufferSize], const char* name);

struct TitleState {
    bool modified;          // the control's modified flag
    bool playbackRunning;   // a typing playback never marks the title
    bool untitled;
    bool hasText;           // the control holds at least one byte
};

struct TitleChoice {
    bool marked;         // show "* " + plain title
    bool clearModified;  // an empty untitled document never counts as modified
};

TitleChoice ChooseTitle(const TitleState& state);

}  // namespace velmo
