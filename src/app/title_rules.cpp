#include "app/title_rules.h"

#include "common/text_utils.h"

namespace velmo {

void BuildTitleBuffer(char (&buffer)[kTitleBufferSize], const char* name) {
    BoundedCopy(buffer, sizeof buffer, "* ");
    BoundedAppend(buffer, sizeof buffer, kProductName);
    BoundedAppend(buffer, sizeof buffer, " - ");
    BoundedAppend(buffer, sizeof buffer, name);
}

TitleChoice ChooseTitle(const TitleState& state) {
    if (!state.modified || state.playbackRunning) return {false, false};
    if (!state.untitled) return {true, false};
    if (state.hasText) return {true, false};
    return {false, true};
}

}  // namespace velmo
