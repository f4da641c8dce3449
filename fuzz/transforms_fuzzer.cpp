// Any bytes through every text tool: case tools map each byte by the code
// page's table, reversal, tag removal and paragraphs equal plain models, and
// the tags wrap the text whole.
#include <string>

#include "../tests/tools/transform_models.h"
#include "fuzz_check.h"
#include "resource_ids.h"

namespace velmo::fuzz {
namespace {

std::string Mapped(const std::string& text, const std::uint8_t (&table)[256]) {
    std::string out = text;
    for (char& c : out) c = static_cast<char>(table[static_cast<std::uint8_t>(c)]);
    return out;
}

std::string Inverted(const std::string& text, const CaseTable& cases) {
    std::string out = text;
    for (char& c : out) {
        auto b = static_cast<std::uint8_t>(c);
        if (cases.kind[b] == LetterCase::Upper) c = static_cast<char>(cases.lower[b]);
        if (cases.kind[b] == LetterCase::Lower) c = static_cast<char>(cases.upper[b]);
    }
    return out;
}

}  // namespace
}  // namespace velmo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmo;
    using testing::Apply;
    using fuzz::Require;
    std::string text(reinterpret_cast<const char*>(data), size);
    const CaseTable& cases = testing::Cases();
    Require(Apply(IDM_LOWER_CASE, text) == fuzz::Mapped(text, cases.lower), "lower case");
    Require(Apply(IDM_UPPER_CASE, text) == fuzz::Mapped(text, cases.upper), "upper case");
    Require(Apply(IDM_INVERT_CASE, text) == fuzz::Inverted(text, cases), "inverted case");
    Require(Apply(IDM_REVERSE, text) == testing::ReverseModel(text), "reverse");
    Require(Apply(IDM_REMOVE_TAGS, text) == testing::RemoveTagsModel(text), "remove tags");
    Require(Apply(IDM_TAG_PARAGRAPH, text) == testing::ParagraphsModel(text), "paragraphs");
    Require(Apply(IDM_TAG_BOLD, text) == "<b>" + text + "</b>", "bold");
    Require(Apply(IDM_TAG_ITALIC, text) == "<i>" + text + "</i>", "italic");
    return 0;
}
