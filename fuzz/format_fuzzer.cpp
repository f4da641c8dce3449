// Any format and any arguments through the safe formatter and the "%"
// substitution: a destination of any size gets the start of what a large one
// gets, terminated, and never a byte more (each destination is a heap block
// of exactly the size given).
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/safe_format.h"
#include "common/text_utils.h"
#include "fuzz_check.h"

namespace velmo::fuzz {
namespace {

// Takes bytes off the front of the input.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    std::string Text(std::size_t length) {
        length = std::min(length, size);
        std::string text(reinterpret_cast<const char*>(data), length);
        data += length;
        size -= length;
        return text.c_str();
    }
};

// `format` into `size` bytes and into a destination large enough for any
// result; the small one must hold the large one's start.
template <typename Format>
void CheckCut(std::size_t size, std::size_t largeSize, Format format, const char* what) {
    std::vector<char> large(largeSize, '#');
    Require(format(large.data(), largeSize), std::string(what) + " cut in a large destination");
    std::string whole(large.data());
    std::vector<char> small(std::max<std::size_t>(size, 1), '#');
    bool fits = format(small.data(), size);
    if (size == 0) return;
    Require(fits == (whole.size() < size), std::string(what) + " result");
    Require(std::string(small.data()) == whole.substr(0, size - 1), std::string(what) + " text");
}

}  // namespace
}  // namespace velmo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmo;
    fuzz::Input input{data, size};
    std::size_t dstSize = input.Byte();
    struct Given {
        bool isText;
        std::uint32_t number;
        std::string text;
    };
    std::vector<Given> given(input.Byte() % 6);
    std::size_t longest = 0;
    for (Given& g : given) {
        std::uint8_t kind = input.Byte();
        g.isText = kind % 2 != 0;
        if (g.isText) {
            g.text = input.Text(kind / 2);
            longest = std::max(longest, g.text.size());
        } else {
            g.number = kind | input.Byte() << 8 | input.Byte() << 16 | static_cast<std::uint32_t>(input.Byte()) << 24;
        }
    }
    std::vector<FormatArg> args;
    for (const Given& g : given) {
        args.push_back(g.isText ? FormatArg::Text(g.text.c_str()) : FormatArg::Number(g.number));
    }
    std::string format = input.Text(input.size);
    // No conversion gives more than a 99-wide field or its whole text.
    std::size_t largeSize = format.size() * (100 + longest) + 1;
    fuzz::CheckCut(dstSize, largeSize, [&](char* d, std::size_t n) {
        return FormatText(d, n, format.c_str(), args.data(), args.size());
    }, "format");
    std::string argument = given.empty() ? "" : given[0].text;
    std::string expected;
    bool substituted = false;
    for (char c : format) {
        if (c != '%') {
            expected += c;
        } else if (!substituted) {
            expected += argument;
            substituted = true;
        }
    }
    std::vector<char> whole(expected.size() + 1);
    fuzz::Require(SubstitutePercent(whole.data(), whole.size(), format.c_str(), argument.c_str()), "substitution cut");
    fuzz::Require(whole.data() == expected, "substitution text");
    fuzz::CheckCut(dstSize, expected.size() + 1, [&](char* d, std::size_t n) {
        return SubstitutePercent(d, n, format.c_str(), argument.c_str());
    }, "substitution");
    return 0;
}
