#pragma once
// The text tools: case and reversal of the selection (203-206), time and
// date (400), tags (800-803). Still to come: until then the commands change
// nothing.
namespace velmo {

void RunTextTool(unsigned command);

}  // namespace velmo
