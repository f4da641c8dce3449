// Each shipped translation holds every string the English library holds, with
// the same conversions, in its own letters whatever the machine's code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language_test_support.h"
#include "resource_ids.h"

namespace velmo {
namespace {

// What a translation must keep of string `id`: each "%" with the wsprintf type
// that follows it (a bare "%" is substituted whole) and, in a file filter, the
// patterns between its NULs, short enough to leave room for the final NUL.
std::string Shape(HMODULE module, UINT id) {
    char text[512];
    int n = LoadStringA(module, id, text, sizeof text);
    std::string shape = n > 0 ? "" : "missing";
    int pieces = 0;
    for (int i = 0; i < n; ++i) {
        if (text[i] == '\0' && ++pieces % 2 == 1) shape += std::string("|") + (text + i + 1);
        if (text[i] != '%') continue;
        int type = i + 1;
        while (type < n && std::string("-#0123456789lh").find(text[type]) != std::string::npos) ++type;
        shape += type < n && std::string("sdiuxXc").find(text[type]) != std::string::npos ? text[type] : '%';
    }
    return pieces > 0 && n >= 127 ? shape + " too long" : shape;
}

HMODULE Load(const std::string& language) {
    std::string path = test::DistFolder() + "Languages\\" + language + ".dll";
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

struct Translation {
    const char* language;
    UINT id;  // a string holding letters that Windows-1252 does not have
    const wchar_t* text;
};

class TranslationTest : public ::testing::TestWithParam<Translation> {};

TEST_P(TranslationTest, HoldsTheStringsEnglishHoldsInItsOwnLetters) {
    HMODULE english = Load("English");
    HMODULE module = Load(GetParam().language);
    ASSERT_NE(module, nullptr);
    for (UINT id = 1; id < 64; ++id) EXPECT_EQ(Shape(module, id), Shape(english, id)) << "string " << id;
    wchar_t text[256];
    int n = LoadStringW(module, GetParam().id, text, 256);
    EXPECT_EQ(std::wstring(text, n > 0 ? n : 0), GetParam().text);
    FreeLibrary(module);
    FreeLibrary(english);
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, TranslationTest,
    ::testing::Values(Translation{"Slovak", IDS_LOAD_ERROR,
                                  L"Jazykov\u00fa kni\u017enicu sa nepodarilo na\u010d\u00edta\u0165."},
                      Translation{"Czech", IDS_STATUS_LINES, L"\u0158\u00e1dk\u016f: %"}),
    [](const auto& info) { return std::string(info.param.language); });

}  // namespace
}  // namespace velmo
