// Velmo's edit control against the system's EDIT control and the machine's
// limits, scenario by scenario (see scenarios.h), printed as ratios against
// baselines measured in the same run; the table also goes to a CSV file.
// Run under Wine: scripts/bench.sh [--velmo-only] [scenario ...] (S1 .. S6,
// startup; "largest" on request).
#include <cstdio>
#include <cstring>
#include <string>

#include "bench_controls.h"
#include "bench_support.h"
#include "scenarios.h"

namespace {

using namespace velmo::bench;

struct Scenario {
    const char* name;
    void (*run)(Context&);
    bool byDefault;
};

constexpr Scenario kScenarios[] = {
    {"S1", RunOpen, true},        {"S2", RunTyping, true},   {"S3", RunReplaceAll, true},
    {"S4", RunLookups, true},     {"S5", RunWrapSwitch, true}, {"S6", RunHistory, true},
    {"startup", RunStartUp, true}, {"largest", RunLargest, false},
};

bool Chosen(const Scenario& s, int argc, char** argv, int first) {
    bool named = false;
    for (int i = first; i < argc; ++i) {
        if (std::strcmp(argv[i], s.name) == 0) return true;
        named = named || argv[i][0] != '-';
    }
    return !named && s.byDefault;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--window") == 0) return ShowWindowOnly();
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const char* csv = "editor_bench.csv";
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--csv") == 0) {
        csv = argv[2];
        first = 3;
    }
    for (int i = first; i < argc; ++i) {
        if (std::strcmp(argv[i], "--velmo-only") == 0) LeaveOutEdit();
    }
    Report report;
    BenchFiles files;
    Context context{report, files, {}};
    std::printf("one memmove of 100 MB by one byte: %.1f ms\n", context.Memmove(100 * kMB));
    for (const Scenario& s : kScenarios) {
        if (!Chosen(s, argc, argv, first)) continue;
        double ms = Milliseconds([&] { s.run(context); });
        std::printf("%s took %.0f s\n", s.name, ms / 1000);
    }
    report.PrintTable();
    if (!report.WriteCsv(csv)) std::printf("could not write %s\n", csv);
    return 0;
}
