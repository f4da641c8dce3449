#include "documents/recent_list.h"

#include <cstdint>

#include "common/text_utils.h"
#include "settings/settings_file.h"

namespace velmo {

namespace {

int Count(const Settings& settings) {
    if (settings.mruCount < 0) return 0;
    return settings.mruCount > kMaxRecentFiles ? kMaxRecentFiles : settings.mruCount;
}

// The list position of the slot holding `path`, or -1. Only slots 0 to
// count - 1 are in use: until the list is full once, new paths take the next
// slot; once it is full, all ten are used.
int FindEntry(const RecentFiles& recent, int count, const char* path, PathCompare compare) {
    for (int slot = 0; slot < count; ++slot) {
        if (compare(recent.slots[slot], path) != 0) continue;
        for (int i = 0; i < count; ++i) {
            if (recent.order[i] == slot) return i;
        }
    }
    return -1;
}

}  // namespace

bool AddRecentPath(Settings& settings, ProfileAccess& profile, const char* path, PathCompare compare) {
    if (BoundedLength(path, kMaxPath) >= kMaxPath) return false;
    RecentFiles& recent = settings.recent;
    int count = Count(settings);
    int entry = FindEntry(recent, count, path, compare);
    if (entry < 0 && count < kMaxRecentFiles) {
        // The next unused slot, taken in at the end of the list.
        recent.order[count] = static_cast<std::uint8_t>(count);
        entry = count++;
        BoundedCopy(recent.slots[entry], kMaxPath, path);
    } else if (entry < 0) {
        entry = kMaxRecentFiles - 1;  // the oldest entry gives up its slot
        BoundedCopy(recent.slots[recent.order[entry] % kMaxRecentFiles], kMaxPath, path);
    }
    std::uint8_t slot = recent.order[entry];
    for (int i = entry; i > 0; --i) recent.order[i] = recent.order[i - 1];
    recent.order[0] = slot;
    settings.mruCount = count;
    WriteRecentFiles(profile, settings);
    return true;
}

void FormatRecentItem(char (&dst)[kRecentItemTextSize], int index, const char* path) {
    std::size_t n = 0;
    dst[n++] = '&';
    dst[n++] = static_cast<char>('0' + (index % kMaxRecentFiles + kMaxRecentFiles) % kMaxRecentFiles);
    dst[n++] = ':';
    dst[n++] = ' ';
    for (std::size_t i = 0; i < kMaxPath - 1 && path[i] != '\0'; ++i) {
        if (path[i] == '&') dst[n++] = '&';
        dst[n++] = path[i];
    }
    dst[n] = '\0';
}

}  // namespace velmo
