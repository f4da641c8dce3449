#pragma once
// Laying a document out on printed pages: lines broken at word boundaries
// as an edit control breaks them, tabs expanded, pages of whole lines, and
// the copies one after another. Measuring and drawing belong to the caller.
#include <cstdint>

namespace velmo {

struct PrintLine {
    std::uint32_t start;    // first byte of the line
    std::uint32_t drawEnd;  // the line shows [start, drawEnd)
    std::uint32_t next;     // the next line's start: blanks at a wrap and the line break are passed over

    bool operator==(const PrintLine&) const = default;
};

struct LineFrame {
    const std::uint32_t* widths;  // 256 advance widths by byte value
    std::uint32_t tabWidth;       // tab stops every tabWidth pixels from the line's left edge; at least 1
    std::int64_t width;           // the text rectangle's width
};

// The line starting at `start` (< length). A line ends at CR, LF, or a CR LF
// or LF CR pair, or where the next character would pass the width: after
// the last blank (space or tab) that precedes a word, or inside a word that
// fills the line alone. Blanks where a line wraps are passed over, and a line
// break right after them with them. When not even the first character fits,
// the line takes nothing: next == start.
PrintLine NextPrintLine(const std::uint8_t* text, std::uint32_t length, std::uint32_t start, const LineFrame& frame);

// A run of a line's bytes without tabs or NULs, at x pixels from the line's
// left edge. A NUL takes its width on the line but is not drawn.
struct PrintRun {
    std::uint32_t start;
    std::uint32_t count;
    std::int64_t x;

    bool operator==(const PrintRun&) const = default;
};

// The runs of one line, left to right; empty runs are left out.
class LineRuns {
public:
    LineRuns(const std::uint8_t* text, const PrintLine& line, const LineFrame& frame);
    bool Next(PrintRun* run);

private:
    const std::uint8_t* text_;
    std::uint32_t position_;
    std::uint32_t end_;
    std::int64_t x_ = 0;
    const LineFrame& frame_;
};

// Whole lines of `lineHeight` that fit in `height`; 0 when none does.
std::uint32_t RowsPerPage(std::int32_t height, std::int32_t lineHeight);

class PageSink {
public:
    virtual ~PageSink() = default;
    virtual bool StartPage() = 0;
    // Row 0 is the page's top line.
    virtual void DrawLine(const PrintLine& line, std::uint32_t row) = 0;
    virtual bool EndPage() = 0;
};

struct PageFrame {
    LineFrame line;
    std::uint32_t rows;  // lines per page
};

// Prints text[0, length) `copies` times (at least once), each copy from the
// start of the text, page after page while text remains. A page that would
// take nothing ends its copy instead. False when a page could not be started
// or ended; nothing is drawn after that.
bool PrintCopies(const std::uint8_t* text, std::uint32_t length, std::uint32_t copies, const PageFrame& frame,
                 PageSink& sink);

}  // namespace velmo
