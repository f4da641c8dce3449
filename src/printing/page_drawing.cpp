#include "printing/page_drawing.h"

#include <algorithm>

namespace velmo {

namespace {

constexpr std::uint32_t kTabCharacters = 8;

}  // namespace

bool MeasurePrintFont(HDC dc, PrintMetrics* metrics) {
    TEXTMETRICA text{};
    INT widths[256];
    if (!GetTextMetricsA(dc, &text) || !GetCharWidth32A(dc, 0, 255, widths)) return false;
    for (int c = 0; c < 256; ++c) metrics->widths[c] = static_cast<std::uint32_t>(std::max(widths[c], 0));
    metrics->tabWidth = std::max<std::uint32_t>(static_cast<std::uint32_t>(std::max<LONG>(text.tmAveCharWidth, 0)) *
                                                    kTabCharacters,
                                                1);
    metrics->lineHeight = text.tmHeight;
    return true;
}

PageFrame MakePageFrame(const PrintMetrics& metrics, const PageRect& rect) {
    LineFrame line{metrics.widths, metrics.tabWidth, static_cast<std::int64_t>(rect.right) - rect.left};
    return PageFrame{line, RowsPerPage(rect.bottom - rect.top, metrics.lineHeight)};
}

PrinterPages::PrinterPages(HDC dc, const std::uint8_t* text, const PageRect& rect, const PageFrame& frame,
                           std::int32_t lineHeight)
    : target_(dc), text_(text), rect_{rect.left, rect.top, rect.right, rect.bottom}, frame_(frame),
      lineHeight_(lineHeight) {}

bool PrinterPages::StartPage() { return ::StartPage(target_) > 0; }

bool PrinterPages::EndPage() { return ::EndPage(target_) > 0; }

void PrinterPages::DrawLine(const PrintLine& line, std::uint32_t row) {
    // Rows fit the rectangle and runs its width, so the sums stay in range.
    int y = rect_.top + static_cast<int>(row) * lineHeight_;
    LineRuns runs(text_, line, frame_.line);
    for (PrintRun run; runs.Next(&run);) {
        ExtTextOutA(target_, rect_.left + static_cast<int>(run.x), y, ETO_CLIPPED, &rect_,
                    reinterpret_cast<const char*>(text_ + run.start), run.count, nullptr);
    }
}

}  // namespace velmo
