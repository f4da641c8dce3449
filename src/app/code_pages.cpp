#include "app/code_pages.h"

namespace velmo {

std::uint8_t CharsetForCodePage(std::uint32_t codePage, std::uint8_t current) {
    static constexpr struct {
        std::uint32_t codePage;
        std::uint8_t charset;
    } kTable[] = {{874, 222},  {932, 128},  {936, 134},  {949, 129},  {950, 136},  {1250, 238}, {1251, 204},
                  {1252, 0},   {1253, 161}, {1254, 162}, {1255, 177}, {1256, 178}, {1257, 186}};
    for (const auto& entry : kTable) {
        if (entry.codePage == codePage) return entry.charset;
    }
    return current;
}

}  // namespace velmo
