#pragma once
// Measuring the printing font and drawing laid-out lines with GDI.
#include <windows.h>

#include <cstdint>

#include "printing/pagination.h"
#include "printing/print_geometry.h"

namespace velmo {

// The font selected into a device context, as the layout needs it.
struct PrintMetrics {
    std::uint32_t widths[256];  // advance widths by byte value
    std::uint32_t tabWidth;     // 8 average character widths, at least 1
    std::int32_t lineHeight;
};

bool MeasurePrintFont(HDC dc, PrintMetrics* metrics);

// Lines of lineHeight filling the rectangle, as wide as the rectangle.
PageFrame MakePageFrame(const PrintMetrics& metrics, const PageRect& rect);

// Draws each line's runs at their tab stops inside the rectangle on the
// current target; pages are the printer's own pages.
class PrinterPages : public PageSink {
public:
    PrinterPages(HDC dc, const std::uint8_t* text, const PageRect& rect, const PageFrame& frame,
                 std::int32_t lineHeight);

    bool StartPage() override;
    void DrawLine(const PrintLine& line, std::uint32_t row) override;
    bool EndPage() override;

protected:
    HDC target_;

private:
    const std::uint8_t* text_;
    RECT rect_;
    const PageFrame& frame_;
    std::int32_t lineHeight_;
};

}  // namespace velmo
