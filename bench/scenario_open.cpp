// S1: opening a file. Velmo's EVM_FILEIO against the system EDIT's
// WM_SETTEXT of the file's bytes, each with the paint it causes, and the
// physical baseline: one read of the file into a new block and one count of
// its CR LF pairs by the project's own scan. Memory is what the process took
// for the document, against 1.1 x the text + 4 bytes a line.
#include <algorithm>
#include <cmath>
#include <map>

#include "bench_controls.h"
#include "bench_support.h"
#include "editview/model/line_scan.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

constexpr std::uint32_t kColumns = 80;

struct Opened {
    double ms = kNone;
    double memory = kNone;  // bytes the process grew by
};

double BaselineOnce(const std::string& path, std::uint32_t* lines) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD size = GetFileSize(file, nullptr);
    double ms = Milliseconds([&] {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size + 65536);
        auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
        DWORD got = 0;
        ReadFile(file, bytes, size, &got, nullptr);
        *lines = CountLineBreaks(bytes, got) + 1;
        GlobalUnlock(block);
        GlobalFree(block);
    });
    CloseHandle(file);
    return ms;
}

double Baseline(const std::string& path, std::uint32_t* lines) {
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) times.push_back(BaselineOnce(path, lines));
    return Median(times);
}

Opened Open(Kind kind, const std::string& path, int runs) {
    Editor editor(kind, false);
    std::vector<double> times;
    Opened opened;
    for (int i = 0; i < runs; ++i) {
        editor.Clear();
        double before = ProcessMemory().privateBytes;
        bool ok = false;
        double ms = Milliseconds([&] { ok = editor.Open(path); });
        if (!ok) return Opened{};
        opened.memory = ProcessMemory().privateBytes - before;
        times.push_back(ms);
    }
    opened.ms = Median(times);
    return opened;
}

using Openings = std::map<std::uint32_t, Opened>;

Opened At(const Openings& openings, std::uint32_t size) {
    auto found = openings.find(size);
    return found == openings.end() ? Opened{} : found->second;
}

// The exponent of each control that opened both the size and its double.
void Exponent(Context& c, const char* what, std::uint32_t size, const Openings& velmo, const Openings& edit) {
    Row row{"S1", std::string("growth exponent, ") + what, SizeText(size) + " -> x2"};
    row.velmo = GrowthExponent(At(velmo, size).ms, At(velmo, 2 * size).ms);
    row.edit = GrowthExponent(At(edit, size).ms, At(edit, 2 * size).ms);
    if (!std::isnan(row.velmo) || !std::isnan(row.edit)) c.report.Add(row);
}

void OpenSizes(Context& c, const char* what, std::uint32_t columns, const std::vector<std::uint32_t>& velmoSizes,
               const std::vector<std::uint32_t>& editSizes, std::uint32_t targetSize) {
    Openings velmo, edit;
    std::vector<std::uint32_t> all = velmoSizes;
    all.insert(all.end(), editSizes.begin(), editSizes.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    for (std::uint32_t size : all) {
        std::string path = c.files.Lines(size, columns);
        std::uint32_t lines = 0;
        double baseline = Baseline(path, &lines);
        bool forVelmo = std::find(velmoSizes.begin(), velmoSizes.end(), size) != velmoSizes.end();
        bool forEdit = std::find(editSizes.begin(), editSizes.end(), size) != editSizes.end();
        if (forVelmo) velmo[size] = Open(Kind::kVelmo, path, 3);
        if (forEdit) edit[size] = Open(Kind::kEdit, path, size <= 2 * kMB ? 3 : 1);
        Opened v = At(velmo, size), e = At(edit, size);
        Row row{"S1", std::string("open, ") + what, SizeText(size), v.ms, e.ms, baseline, "ms"};
        if (forVelmo) row.ratio = v.ms / baseline;
        if (size == targetSize) row.AtMost(1.5, "<= 1.5");
        c.report.Add(row);
        if (!forVelmo) continue;
        double allowed = 1.1 * size + 4.0 * lines;
        Row memory{"S1", std::string("memory after open, ") + what, SizeText(size), v.memory / kMB,
                   e.memory / kMB, allowed / kMB, "MB", v.memory / allowed};
        if (size == targetSize) memory.AtMost(1, "<= 1 (1.1 x text + 4 B a line)");
        c.report.Add(memory);
    }
    for (std::uint32_t size : all) Exponent(c, what, size, velmo, edit);
}

}  // namespace

void RunOpen(Context& c) {
    OpenSizes(c, "80-column lines", kColumns, {1 * kMB, 2 * kMB, 10 * kMB, 20 * kMB, 100 * kMB, 200 * kMB},
              {1 * kMB, 2 * kMB, 4 * kMB, 8 * kMB, 16 * kMB}, 100 * kMB);
    OpenSizes(c, "one line", 0, {16 * kMB, 32 * kMB}, {16 * kMB}, 0);
}

}  // namespace velmo::bench
