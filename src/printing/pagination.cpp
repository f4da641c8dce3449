#include "printing/pagination.h"

#include <algorithm>

namespace velmo {

namespace {

bool IsBlank(std::uint8_t c) { return c == ' ' || c == '\t'; }
bool IsBreak(std::uint8_t c) { return c == '\r' || c == '\n'; }
// A NUL keeps its width but is never handed to the printer: some drivers end
// a page's text at it.
bool Drawn(std::uint8_t c) { return c != '\t' && c != '\0'; }

std::int64_t Advance(std::int64_t x, std::uint8_t c, const LineFrame& frame) {
    if (c == '\t') return (x / frame.tabWidth + 1) * frame.tabWidth;
    return x + frame.widths[c];
}

// Past the line break at `at`: CR LF and LF CR count as one.
std::uint32_t SkipBreak(const std::uint8_t* text, std::uint32_t length, std::uint32_t at) {
    std::uint8_t first = text[at++];
    if (at < length && IsBreak(text[at]) && text[at] != first) ++at;
    return at;
}

std::uint32_t SkipWrapBlanks(const std::uint8_t* text, std::uint32_t length, std::uint32_t at) {
    while (at < length && IsBlank(text[at])) ++at;
    if (at < length && IsBreak(text[at])) at = SkipBreak(text, length, at);
    return at;
}

// Draws the page whose first line is `line`; returns where the next page
// starts.
std::uint32_t DrawPage(const std::uint8_t* text, std::uint32_t length, PrintLine line, const PageFrame& frame,
                       PageSink& sink) {
    for (std::uint32_t row = 0;;) {
        sink.DrawLine(line, row);
        if (++row == frame.rows || line.next >= length) return line.next;
        PrintLine following = NextPrintLine(text, length, line.next, frame.line);
        if (following.next == following.start) return line.next;
        line = following;
    }
}

bool PrintCopy(const std::uint8_t* text, std::uint32_t length, const PageFrame& frame, PageSink& sink) {
    std::uint32_t position = 0;
    while (position < length && frame.rows > 0) {
        PrintLine first = NextPrintLine(text, length, position, frame.line);
        if (first.next == position) return true;
        if (!sink.StartPage()) return false;
        position = DrawPage(text, length, first, frame, sink);
        if (!sink.EndPage()) return false;
    }
    return true;
}

}  // namespace

PrintLine NextPrintLine(const std::uint8_t* text, std::uint32_t length, std::uint32_t start, const LineFrame& frame) {
    std::int64_t x = 0;
    std::uint32_t wordStart = start;  // the last word on the line that follows a blank
    for (std::uint32_t i = start; i < length; ++i) {
        std::uint8_t c = text[i];
        if (IsBreak(c)) return PrintLine{start, i, SkipBreak(text, length, i)};
        if (!IsBlank(c) && i > start && IsBlank(text[i - 1])) wordStart = i;
        std::int64_t after = Advance(x, c, frame);
        if (after > frame.width) {
            if (IsBlank(c)) return PrintLine{start, i, SkipWrapBlanks(text, length, i)};
            if (wordStart > start) return PrintLine{start, wordStart, wordStart};
            return PrintLine{start, i, i};
        }
        x = after;
    }
    return PrintLine{start, length, length};
}

LineRuns::LineRuns(const std::uint8_t* text, const PrintLine& line, const LineFrame& frame)
    : text_(text), position_(line.start), end_(line.drawEnd), frame_(frame) {}

bool LineRuns::Next(PrintRun* run) {
    while (position_ < end_ && !Drawn(text_[position_])) x_ = Advance(x_, text_[position_++], frame_);
    if (position_ == end_) return false;
    *run = PrintRun{position_, 0, x_};
    for (; position_ < end_ && Drawn(text_[position_]); ++position_) x_ = Advance(x_, text_[position_], frame_);
    run->count = position_ - run->start;
    return true;
}

std::uint32_t RowsPerPage(std::int32_t height, std::int32_t lineHeight) {
    if (height <= 0 || lineHeight <= 0) return 0;
    return static_cast<std::uint32_t>(height / lineHeight);
}

bool PrintCopies(const std::uint8_t* text, std::uint32_t length, std::uint32_t copies, const PageFrame& frame,
                 PageSink& sink) {
    for (std::uint32_t copy = 0; copy < std::max<std::uint32_t>(copies, 1); ++copy) {
        if (!PrintCopy(text, length, frame, sink)) return false;
    }
    return true;
}

}  // namespace velmo
