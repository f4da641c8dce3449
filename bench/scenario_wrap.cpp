// S5: word wrap on, a resize that breaks the rows again, and wrap off, each
// with its paint, on 100 MB of 80-column lines and on one 10 MB line; each
// step may take 1 s. One memmove of the text is shown beside it as a scale.
// The system's EDIT cannot switch wrapping on an existing control.
#include "bench_controls.h"
#include "bench_support.h"
#include "editview/editview_messages.h"
#include "scenarios.h"

namespace velmo::bench {

namespace {

struct Steps {
    double on = kNone, resize = kNone, off = kNone;
};

Steps Switch(Context& c, std::uint32_t size, std::uint32_t columns) {
    Editor editor(Kind::kVelmo, false);
    if (!editor.Open(c.files.Lines(size, columns))) return Steps{};
    auto timed = [&](auto step) {
        double ms = Milliseconds([&] {
            step();
            editor.Paint();
        });
        PumpMessages();
        return ms;
    };
    Steps s;
    s.on = timed([&] { editor.Send(EVM_SETWORDWRAP, 1); });
    s.resize = timed([&] { editor.Resize(640, 600); });
    s.off = timed([&] { editor.Send(EVM_SETWORDWRAP, 0); });
    editor.Resize(800, 600);
    return s;
}

void AddRows(Context& c, const char* what, std::uint32_t size, const Steps& s, bool target) {
    double memmove = c.Memmove(size);
    const char* names[3] = {"wrap on", "resize (rows broken again)", "wrap off"};
    double times[3] = {s.on, s.resize, s.off};
    for (int i = 0; i < 3; ++i) {
        Row row{"S5", std::string(names[i]) + ", " + what, SizeText(size), times[i], kNone, memmove, "ms",
                times[i] / 1000.0};
        if (target) row.AtMost(1, "<= 1 (1 s)");
        c.report.Add(row);
    }
}

void Exponents(Context& c, const char* what, std::uint32_t size, const Steps& one, const Steps& two) {
    c.report.Add(Row{"S5", std::string("growth exponent of wrap on, ") + what, SizeText(size) + " -> x2",
                     GrowthExponent(one.on, two.on)});
}

}  // namespace

void RunWrapSwitch(Context& c) {
    struct Case {
        const char* what;
        std::uint32_t size, columns;
    };
    const Case cases[2] = {{"80-column lines", 100 * kMB, 80}, {"one line", 10 * kMB, 0}};
    for (const Case& k : cases) {
        Steps one = Switch(c, k.size, k.columns);
        Steps two = Switch(c, 2 * k.size, k.columns);
        AddRows(c, k.what, k.size, one, true);
        AddRows(c, k.what, 2 * k.size, two, false);
        Exponents(c, k.what, k.size, one, two);
    }
}

}  // namespace velmo::bench
