#include <windows.h>

#include <cstring>
#include <vector>

#include "bench_support.h"
#include "scenarios.h"

namespace velmo::bench {

double Context::Memmove(std::uint32_t size) {
    auto known = memmoves.find(size);
    if (known != memmoves.end()) return known->second;
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, size);
    if (block == nullptr) return -1;
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    FillLines(bytes, size, 80);
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) times.push_back(Milliseconds([&] { std::memmove(bytes + 1, bytes, size - 1); }));
    GlobalFree(block);
    return memmoves[size] = Median(times);
}

}  // namespace velmo::bench
