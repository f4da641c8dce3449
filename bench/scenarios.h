#pragma once
// The benchmark's scenarios. Each measures Velmo, the system's EDIT control
// where it can take the case in reasonable time, and a physical baseline in
// the same run, and adds its rows to the report.
#include <cstdint>
#include <map>

#include "bench_files.h"
#include "bench_report.h"

namespace velmo::bench {

struct Context {
    Report& report;
    BenchFiles& files;
    std::map<std::uint32_t, double> memmoves;  // by size, once measured

    // One memmove of `size` bytes by one byte, the median of five, in a fresh block.
    double Memmove(std::uint32_t size);
};

void RunOpen(Context& context);      // S1
void RunTyping(Context& context);    // S2
void RunReplaceAll(Context& context);  // S3
void RunLookups(Context& context);   // S4
void RunWrapSwitch(Context& context);  // S5
void RunHistory(Context& context);   // S6
void RunStartUp(Context& context);
void RunLargest(Context& context);   // on request only

// The start-up baseline: a program that only shows a window until closed.
int ShowWindowOnly();

}  // namespace velmo::bench
