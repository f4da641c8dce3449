#pragma once
// The settings file through the system's private-profile functions, always
// in section "Velmo 2".
#include "common/text_utils.h"
#include "settings/profile_access.h"

namespace velmo {

class PrivateProfile final : public ProfileAccess {
public:
    // `path` is the full path of the file. A path of 260 bytes or more is
    // refused: nothing is read (every default stays) and nothing is written.
    explicit PrivateProfile(const char* path);

    std::size_t ReadText(const char* key, char* dst, std::size_t dstSize) override;
    bool WriteText(const char* key, const char* text) override;

private:
    char path_[kMaxPath];
};

}  // namespace velmo
