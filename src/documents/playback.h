#pragma once
// Typing playback of a file into an empty document (command 309). Still to
// come: until then the command changes nothing.
namespace velmo {

void StartPlayback();

}  // namespace velmo
