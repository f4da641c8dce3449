#include "documents/playback.h"

namespace velmo {

void StartPlayback() {}

}  // namespace velmo
