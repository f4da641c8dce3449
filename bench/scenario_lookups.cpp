// S4: line lookups and a jump to the end. 100,000 random EM_LINEINDEX and
// line-from-offset calls (Velmo: EVM_LINEFROMCHAR, EDIT: EM_LINEFROMCHAR) on
// documents of 1 M and 10 M short lines, against a message the control
// answers at once (EM_GETMODIFY); at most 2 microseconds a call. Ctrl+End
// with its paint must cost the same whatever the document's size.
#include <random>

#include "bench_controls.h"
#include "bench_support.h"
#include "editview/editview_messages.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

constexpr std::uint32_t kLineBytes = 10;  // 8 characters and CR LF

// Microseconds per call of `message`, with random lines or offsets below `range`.
double PerCall(const Editor& editor, UINT message, std::uint32_t range, bool inLParam, int calls) {
    std::mt19937 rng(7);
    volatile LRESULT sink = 0;
    double ms = Milliseconds([&] {
        for (int i = 0; i < calls; ++i) {
            std::uint32_t value = rng() % range;
            sink = inLParam ? editor.Send(message, 0, value) : editor.Send(message, value);
        }
    });
    (void)sink;
    return 1000.0 * ms / calls;
}

// Ctrl+End and its paint, from the top each time.
double JumpToEnd(const Editor& editor) {
    std::vector<double> times;
    for (int i = 0; i < 11; ++i) {
        editor.Key(VK_HOME, true);
        editor.Paint();
        PumpMessages();
        times.push_back(Milliseconds([&] {
            editor.Key(VK_END, true);
            editor.Paint();
        }));
        PumpMessages();
    }
    return Median(times);
}

struct Lookups {
    double index = kNone, fromChar = kNone, baseline = kNone, jump = kNone;
};

Lookups Measure(Context& c, Kind kind, std::uint32_t lines) {
    Editor editor(kind, false);
    if (!editor.Open(c.files.Lines(lines * kLineBytes, kLineBytes - 2))) return Lookups{};
    int calls = kind == Kind::kVelmo ? 100000 : 1000;
    UINT fromChar = kind == Kind::kVelmo ? UINT{EVM_LINEFROMCHAR} : UINT{EM_LINEFROMCHAR};
    Lookups l;
    l.baseline = PerCall(editor, EM_GETMODIFY, 1, false, calls);
    l.index = PerCall(editor, EM_LINEINDEX, lines, false, calls);
    l.fromChar = PerCall(editor, fromChar, lines * kLineBytes, kind == Kind::kVelmo, calls);
    l.jump = JumpToEnd(editor);
    return l;
}

std::string LinesText(std::uint32_t lines) { return std::to_string(lines / 1000) + " K lines"; }

}  // namespace

void RunLookups(Context& c) {
    const std::uint32_t sizes[] = {100000, 200000, 1000000, 2000000, 10000000, 20000000};
    Lookups velmo[6], edit[6];
    for (int i = 0; i < 6; ++i) {
        velmo[i] = Measure(c, Kind::kVelmo, sizes[i]);
        if (sizes[i] <= 200000) edit[i] = Measure(c, Kind::kEdit, sizes[i]);
    }
    for (int i = 0; i < 6; ++i) {
        std::string size = LinesText(sizes[i]);
        bool target = sizes[i] == 1000000 || sizes[i] == 10000000;
        Row index{"S4", "EM_LINEINDEX, random lines", size, velmo[i].index, edit[i].index, velmo[i].baseline, "us",
                  velmo[i].index / 2.0};
        Row fromChar{"S4", "line from offset, random offsets", size, velmo[i].fromChar, edit[i].fromChar,
                     velmo[i].baseline, "us", velmo[i].fromChar / 2.0};
        if (target) {
            index.AtMost(1, "<= 1 (2 us)");
            fromChar.AtMost(1, "<= 1 (2 us)");
        }
        c.report.Add(index);
        c.report.Add(fromChar);
        Row jump{"S4", "Ctrl+End and its paint (baseline: at 100 K lines)", size, velmo[i].jump, edit[i].jump,
                 velmo[0].jump, "ms", velmo[i].jump / velmo[0].jump};
        if (sizes[i] == 10000000) jump.AtMost(1.3, "<= 1.3 (flat)");
        c.report.Add(jump);
    }
    for (int i = 0; i < 6; i += 2) {
        Row exponent{"S4", "growth exponent of a line-from-offset call", LinesText(sizes[i]) + " -> x2",
                     GrowthExponent(velmo[i].fromChar, velmo[i + 1].fromChar),
                     GrowthExponent(edit[i].fromChar, edit[i + 1].fromChar)};
        c.report.Add(exponent);
    }
}

}  // namespace velmo::bench
