#include "bench_support.h"

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace velmo::bench {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / frequency;
}

Memory ProcessMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return Memory{static_cast<double>(counters.WorkingSetSize), static_cast<double>(counters.PeakWorkingSetSize),
                  static_cast<double>(counters.PagefileUsage)};
}

double Quantile(std::vector<double> samples, double p) {
    if (samples.empty()) return NAN;
    auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(samples.size())));
    std::size_t index = rank == 0 ? 0 : rank - 1;
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(index), samples.end());
    return samples[index];
}

double GrowthExponent(double time, double doubledTime) {
    if (!(time > 0) || !(doubledTime > 0)) return NAN;
    return std::log2(doubledTime / time);
}

namespace {

// Words without q, x and z, so that texts starting with those letters never occur.
const char* const kWords[] = {"the", "of", "and", "to", "in", "is", "that", "it", "was", "for", "on", "are",
                              "as", "with", "his", "they", "at", "be", "this", "have", "from", "or", "one",
                              "had", "by", "word", "but", "not", "what", "all", "were", "we", "when", "your",
                              "can", "said", "there", "use", "an", "each", "which", "she", "do", "how",
                              "their", "if", "will", "up", "other", "about", "out", "many", "then", "them",
                              "these", "so", "some", "her", "would", "make", "like", "him", "into", "time"};

}  // namespace

void FillLines(std::uint8_t* text, std::uint32_t size, std::uint32_t columns, std::uint32_t seed) {
    std::uint32_t column = 0;
    const char* word = "";
    for (std::uint32_t i = 0; i < size; ++i) {
        if (columns != 0 && column == columns) {
            text[i] = '\r';
            ++column;
            continue;
        }
        if (columns != 0 && column == columns + 1) {
            text[i] = '\n';
            column = 0;
            word = "";
            continue;
        }
        if (*word == '\0') {
            seed = seed * 1103515245u + 12345u;
            word = kWords[(seed >> 16) % std::size(kWords)];
            text[i] = ' ';
        } else {
            text[i] = static_cast<std::uint8_t>(*word++);
        }
        ++column;
    }
}

}  // namespace velmo::bench
