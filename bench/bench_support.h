#pragma once
// What every Windows benchmark needs: a clock, the process's memory, order
// statistics of repeated timings and the growth exponent of doubled sizes.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace velmo::bench {

// Milliseconds from an arbitrary start, by QueryPerformanceCounter.
double Now();

template <typename Work>
double Milliseconds(Work work) {
    double start = Now();
    work();
    return Now() - start;
}

struct Memory {
    double workingSet = 0;      // bytes resident
    double peakWorkingSet = 0;
    double privateBytes = 0;    // bytes the process wrote to (Wine: its anonymous resident memory)
};
Memory ProcessMemory();

// The p-th quantile (0..1) of the samples, by the nearest rank.
// NaN for no samples.
double Quantile(std::vector<double> samples, double p);
inline double Median(const std::vector<double>& samples) { return Quantile(samples, 0.5); }

// k in time ~ size^k from the times of a size and of twice that size; NaN
// unless both were measured.
double GrowthExponent(double time, double doubledTime);

// A text of `size` bytes made of English-like words in lines of `columns`
// characters, each ending in CR LF (columns 0: one line without a break).
void FillLines(std::uint8_t* text, std::uint32_t size, std::uint32_t columns, std::uint32_t seed = 1);

}  // namespace velmo::bench
