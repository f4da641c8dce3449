#pragma once
// The steps every caret move shares, for keys and mouse alike: placing the
// caret with or without extending the selection, and the goal x.
#include <cstdint>

namespace velmo {

constexpr std::uint32_t kAnyRow = 0xFFFFFFFFu;

// The caret goes to `target`; with `extend` the anchor stays, else the
// selection collapses there. The caret is shown on `row` when the target is
// that row's end, else on the row holding the target. Repaints.
void MoveCaretTo(std::uint32_t target, bool extend, std::uint32_t row = kAnyRow);
// The selection collapses onto its start.
void DropSelection();

// The caret's x from the start of its row becomes the goal x.
void SetGoalX();
// The goal x of a vertical move: the kept one while the caret has not moved
// since, else the caret's own.
std::int64_t GoalX();
// A vertical move keeps the goal x for its new caret.
void KeepGoalX();
// Offset in `row` nearest to the goal x `x`.
std::uint32_t OffsetAtGoal(std::uint32_t row, std::int64_t x);

}  // namespace velmo
