#pragma once
// Reading and writing one key of the settings section as text. The program
// uses the system's private-profile functions; tests use a map.
#include <cstddef>

namespace velmo {

class ProfileAccess {
public:
    virtual ~ProfileAccess() = default;

    // Copies the key's text into `dst` (terminated) and returns its length.
    // A missing key reads as "". A result of dstSize - 1 means the text may
    // have been cut to fit, so callers size `dst` one byte above the longest
    // text they accept.
    virtual std::size_t ReadText(const char* key, char* dst, std::size_t dstSize) = 0;

    // Writes the key; false when the file could not be written.
    virtual bool WriteText(const char* key, const char* text) = 0;
};

}  // namespace velmo
