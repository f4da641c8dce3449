#pragma once
// Page setup (304) and printing (305). Still to come: until then the
// commands change nothing.
namespace velmo {

void ShowPageSetup();
void PrintDocument();

}  // namespace velmo
