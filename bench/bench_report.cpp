#include "bench_report.h"

#include <cmath>
#include <cstdio>

namespace velmo::bench {

namespace {

std::string Figure(double value) {
    if (std::isnan(value)) return "-";
    char text[32];
    double size = std::fabs(value);
    std::snprintf(text, sizeof text, size >= 100 ? "%.0f" : size >= 10 ? "%.1f" : "%.2f", value);
    return text;
}

std::string Verdict(const Row& row) {
    if (row.target.empty()) return "";
    return row.met ? "yes" : "NO";
}

}  // namespace

void Report::Add(const Row& row) {
    rows_.push_back(row);
    std::printf("%-8s %-44s %-8s velmo %9s  edit %9s  baseline %9s %-3s  ratio %6s  %s %s\n", row.scenario.c_str(),
                row.what.c_str(), row.size.c_str(), Figure(row.velmo).c_str(), Figure(row.edit).c_str(),
                Figure(row.baseline).c_str(), row.unit.c_str(), Figure(row.ratio).c_str(), row.target.c_str(),
                Verdict(row).c_str());
    std::fflush(stdout);
}

void Report::PrintTable() const {
    std::printf("\n| # | case | size | Velmo | EDIT | baseline | unit | ratio | target | met |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Row& r : rows_) {
        std::printf("| %s | %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", r.scenario.c_str(), r.what.c_str(),
                    r.size.c_str(), Figure(r.velmo).c_str(), Figure(r.edit).c_str(), Figure(r.baseline).c_str(),
                    r.unit.c_str(), Figure(r.ratio).c_str(), r.target.c_str(), Verdict(r).c_str());
    }
}

bool Report::WriteCsv(const char* path) const {
    std::FILE* file = std::fopen(path, "w");
    if (file == nullptr) return false;
    std::fprintf(file, "scenario,case,size,velmo,edit,baseline,unit,ratio,target,met\n");
    for (const Row& r : rows_) {
        std::fprintf(file, "%s,\"%s\",%s,%.4f,%.4f,%.4f,%s,%.4f,\"%s\",%s\n", r.scenario.c_str(), r.what.c_str(),
                     r.size.c_str(), r.velmo, r.edit, r.baseline, r.unit.c_str(), r.ratio, r.target.c_str(),
                     r.target.empty() ? "" : r.met ? "yes" : "no");
    }
    return std::fclose(file) == 0;
}

}  // namespace velmo::bench
