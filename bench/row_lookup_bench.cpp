// Row lookups with word wrap on must not slow down as the document grows:
// they are binary searches. Prints the cost of a lookup in the row table of a
// 100 MB document against that of a 1 KB document, both measured here.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "common/memory_blocks.h"
#include "editview/view/row_table_builder.h"

namespace {

using namespace velmo;

// Words and spaces in lines of 20 to 400 bytes, now and then an empty line.
std::string MakeDocument(std::size_t size, std::mt19937& rng) {
    std::string text;
    text.reserve(size + 512);
    while (text.size() < size) {
        std::size_t line = rng() % 8 == 0 ? 0 : 20 + rng() % 380;
        for (std::size_t i = 0; i < line; ++i) text += rng() % 6 == 0 ? ' ' : static_cast<char>('a' + rng() % 26);
        text += "\r\n";
    }
    text.resize(size);
    return text;
}

struct Table {
    RowTable rows;
    std::uint32_t length = 0;
};

Table Build(const std::string& text, const WrapRules& rules) {
    Table table;
    table.length = static_cast<std::uint32_t>(text.size());
    if (!BuildRowTable(SystemHeap(), reinterpret_cast<const std::uint8_t*>(text.data()), table.length, rules,
                       &table.rows)) {
        std::fprintf(stderr, "row table of %u bytes could not be built\n", table.length);
        std::exit(1);
    }
    return table;
}

// Where lookups go: anywhere in the document (every one a cold search of
// the whole table), or within a screen or two of a place that moves now and
// then, as the caret and the view do while editing.
enum class Spread { kAnywhere, kNearTheView };

// Nanoseconds per lookup: offset-to-row and line-start lookups.
double NanosPerLookup(const Table& table, std::size_t lookups, Spread spread) {
    std::mt19937 rng(7);
    std::vector<std::uint32_t> offsets(lookups), lines(lookups);
    std::uint32_t view = 0;
    for (std::size_t i = 0; i < lookups; ++i) {
        if (spread == Spread::kAnywhere || i % 1000 == 0) view = rng() % (table.length + 1);
        std::uint32_t near = spread == Spread::kAnywhere ? 0 : rng() % 8192;
        offsets[i] = std::min(view + near, table.length);
        lines[i] = table.rows.LineFromOffset(offsets[i]);
    }
    std::uint64_t sink = 0;
    auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < lookups; ++i) {
        sink += table.rows.RowFromOffset(offsets[i]);
        sink += table.rows.LineStart(lines[i]);
    }
    auto elapsed = std::chrono::steady_clock::now() - start;
    if (sink == 1) std::puts("");  // keeps the loop from being optimised away
    return std::chrono::duration<double, std::nano>(elapsed).count() / (2.0 * lookups);
}

}  // namespace

int main() {
    std::uint32_t font[256];
    for (std::uint32_t& w : font) w = 8;
    CharWidthTable widths;
    widths.SetFontWidths(font);
    WrapRules rules{&widths, 800};  // about 100 characters per row
    std::mt19937 rng(2026);
    Table small = Build(MakeDocument(1024, rng), rules);
    std::string bigText = MakeDocument(100u << 20, rng);
    auto buildStart = std::chrono::steady_clock::now();
    Table big = Build(bigText, rules);
    double buildSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - buildStart).count();

    std::printf("1 KB document:   %8u rows\n", small.rows.count);
    std::printf("100 MB document: %8u rows, table built in %.2f s\n", big.rows.count, buildSeconds);
    std::printf("a scan from the top would cost about %.0f times more in the large table\n",
                static_cast<double>(big.rows.count) / small.rows.count);
    const std::size_t lookups = 2000000;
    for (Spread spread : {Spread::kNearTheView, Spread::kAnywhere}) {
        double smallNs = NanosPerLookup(small, lookups, spread);
        double bigNs = NanosPerLookup(big, lookups, spread);
        std::printf("%-26s 1 KB %6.1f ns, 100 MB %6.1f ns per lookup, ratio %.2f\n",
                    spread == Spread::kAnywhere ? "lookups anywhere:" : "lookups near the view:", smallNs, bigNs,
                    bigNs / smallNs);
    }
    SystemHeap().Free(small.rows.handle);
    SystemHeap().Free(big.rows.handle);
    return 0;
}
