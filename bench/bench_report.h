#pragma once
// The benchmark's results: one row per measured case, printed as it comes,
// then as one Markdown table and written as CSV for machines.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace velmo::bench {

// A figure that was not measured.
constexpr double kNone = NAN;

struct Row {
    Row(std::string scenario_, std::string what_, std::string size_, double velmo_ = kNone, double edit_ = kNone,
        double baseline_ = kNone, std::string unit_ = "", double ratio_ = kNone)
        : scenario(std::move(scenario_)), what(std::move(what_)), size(std::move(size_)), velmo(velmo_), edit(edit_),
          baseline(baseline_), unit(std::move(unit_)), ratio(ratio_) {}
    // Sets the target and whether the ratio meets it: at most `most`.
    void AtMost(double most, std::string text) {
        target = std::move(text);
        met = ratio <= most;  // false for kNone
    }

    std::string scenario;  // S1..S6, start-up
    std::string what;
    std::string size;
    double velmo, edit, baseline;
    std::string unit;
    double ratio;          // the figure the target speaks of
    std::string target;    // empty: reported only
    bool met = false;
};

class Report {
public:
    void Add(const Row& row);
    void PrintTable() const;
    bool WriteCsv(const char* path) const;

private:
    std::vector<Row> rows_;
};

}  // namespace velmo::bench
