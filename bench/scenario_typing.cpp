// S2: keystrokes. WM_CHAR at the start, the middle and the end of a document
// of 80-column lines, word wrap off and on, each followed by the paint it
// causes (UpdateWindow). Velmo's median may reach 2 ms at 1 MB and one
// memmove of the text + 2 ms at 100 MB; p99 is reported.
#include <map>
#include <tuple>

#include "bench_controls.h"
#include "bench_support.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

struct Keys {
    double median = kNone, p99 = kNone;
};

enum Where { kStart, kMiddle, kEnd };
const char* const kWhereNames[] = {"start", "middle", "end"};

Keys TypeAt(const Editor& editor, Where where, int count) {
    std::uint32_t length = editor.Length();
    std::uint32_t at = where == kStart ? 0 : where == kMiddle ? length / 2 : length;
    editor.Select(at, at);
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        times.push_back(Milliseconds([&] {
            editor.Send(WM_CHAR, 'a' + i % 26, 1);
            editor.Paint();
        }));
        PumpMessages();
    }
    return Keys{Median(times), Quantile(times, 0.99)};
}

// EDIT takes a tenth of a second and more a key from a few megabytes on.
int KeysFor(Kind kind, std::uint32_t size) {
    if (kind == Kind::kVelmo) return size > 100 * kMB ? 300 : 1000;
    return size <= kMB ? 200 : size <= 2 * kMB ? 100 : 10;
}

using Results = std::map<std::tuple<Kind, std::uint32_t, bool, int>, Keys>;

void Measure(Context& c, Kind kind, std::uint32_t size, bool wrap, Results& results) {
    Editor editor(kind, wrap);
    if (!editor.Open(c.files.Lines(size, 80))) return;
    for (int where = kStart; where <= kEnd; ++where) {
        results[{kind, size, wrap, where}] = TypeAt(editor, static_cast<Where>(where), KeysFor(kind, size));
    }
}

Keys Find(const Results& results, Kind kind, std::uint32_t size, bool wrap, int where) {
    auto found = results.find({kind, size, wrap, where});
    return found == results.end() ? Keys{} : found->second;
}

void AddRows(Context& c, const Results& results, std::uint32_t size, bool wrap, int where) {
    std::string what =
        std::string("keystroke + paint at the ") + kWhereNames[where] + (wrap ? ", wrap on" : ", wrap off");
    Keys velmo = Find(results, Kind::kVelmo, size, wrap, where), edit = Find(results, Kind::kEdit, size, wrap, where);
    double allowed = 2.0 + (size >= 100 * kMB ? c.Memmove(size) : 0);
    Row median{"S2", what + ", median", SizeText(size), velmo.median, edit.median, allowed, "ms",
               velmo.median / allowed};
    if (size == kMB || size == 100 * kMB) {
        median.AtMost(1, size == kMB ? "<= 1 (2 ms)" : "<= 1 (memmove + 2 ms)");
    }
    c.report.Add(median);
    c.report.Add(Row{"S2", what + ", p99", SizeText(size), velmo.p99, edit.p99, kNone, "ms"});
}

void Exponents(Context& c, const Results& results, std::uint32_t size, bool wrap, int where) {
    Row row{"S2",
            std::string("growth exponent, median at the ") + kWhereNames[where] + (wrap ? ", wrap on" : ", wrap off"),
            SizeText(size) + " -> x2"};
    for (Kind kind : {Kind::kVelmo, Kind::kEdit}) {
        Keys one = Find(results, kind, size, wrap, where), two = Find(results, kind, 2 * size, wrap, where);
        (kind == Kind::kVelmo ? row.velmo : row.edit) = GrowthExponent(one.median, two.median);
    }
    c.report.Add(row);
}

}  // namespace

void RunTyping(Context& c) {
    Results results;
    const std::uint32_t velmoSizes[] = {kMB, 2 * kMB, 100 * kMB, 200 * kMB};
    for (bool wrap : {false, true}) {
        for (std::uint32_t size : velmoSizes) Measure(c, Kind::kVelmo, size, wrap, results);
        // EDIT wrapping 16 MB takes minutes to open.
        for (std::uint32_t size : {kMB, 2 * kMB, 16 * kMB}) {
            if (!wrap || size < 16 * kMB) Measure(c, Kind::kEdit, size, wrap, results);
        }
    }
    for (bool wrap : {false, true}) {
        for (std::uint32_t size : {kMB, 2 * kMB, 16 * kMB, 100 * kMB, 200 * kMB}) {
            for (int where = kStart; where <= kEnd; ++where) AddRows(c, results, size, wrap, where);
        }
        for (std::uint32_t size : {kMB, 100 * kMB}) {
            for (int where = kStart; where <= kEnd; ++where) Exponents(c, results, size, wrap, where);
        }
    }
}

}  // namespace velmo::bench
