#pragma once
// The text tools' rules written as they read, for the unit tests and the
// fuzz target: code page 1252's letter cases, and plain models of reversal,
// tag removal and paragraphs.
#include <algorithm>
#include <string>

#include "tools/text_transforms.h"

namespace velmo::testing {

// Code page 1252 as Windows classifies it: ASCII and the accented Latin
// letters in pairs, the few letters without a partner of the other case
// (sharp s, micro, ordinals) lower case and unchanged by upper-casing.
inline CaseTable Cp1252Cases() {
    CaseTable cases{};
    for (int b = 0; b < 256; ++b) cases.lower[b] = cases.upper[b] = static_cast<std::uint8_t>(b);
    auto pair = [&cases](int upper, int lower) {
        cases.lower[upper] = static_cast<std::uint8_t>(lower);
        cases.upper[lower] = static_cast<std::uint8_t>(upper);
        cases.kind[upper] = LetterCase::Upper;
        cases.kind[lower] = LetterCase::Lower;
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) pair(c, c + 32);
    }
    const int others[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
    for (const auto& [upper, lower] : others) pair(upper, lower);
    for (int c : {0xAA, 0xB5, 0xBA, 0xDF}) cases.kind[c] = LetterCase::Lower;
    return cases;
}

inline const CaseTable& Cases() {
    static const CaseTable cases = Cp1252Cases();
    return cases;
}

// The tool's result as a string, or "<no memory>"; the tool gets the first
// `length` bytes of `text`.
inline std::string Apply(unsigned command, const std::string& text, std::size_t length = std::string::npos) {
    ToolText out(SystemHeap());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    auto size = static_cast<std::uint32_t>(std::min(length, text.size()));
    if (!TransformText(command, Cases(), bytes, size, out)) return "<no memory>";
    return std::string(reinterpret_cast<const char*>(out.Bytes()), out.Length());
}

// Plain models of the rules, written as the rules read.
inline std::string ReverseModel(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool pair = text.compare(i, 2, "\r\n") == 0;  // one character
        result.insert(0, pair ? std::string("\r\n") : text.substr(i, 1));
        i += pair ? 1 : 0;
    }
    return result;
}

inline std::string RemoveTagsModel(std::string text) {
    std::size_t scan = 0;
    while ((scan = text.find('<', scan)) != std::string::npos) {
        std::size_t close = text.find('>', scan + 1);
        if (close == std::string::npos) break;
        text.erase(scan, close - scan + 1);
    }
    return text;
}

inline std::string ParagraphsModel(std::string text) {
    for (std::size_t at = 0; (at = text.find("\r\n\r\n", at)) != std::string::npos; at += 9) {
        text.replace(at, 4, "</p>\r\n<p>");
    }
    return "<p>" + text + "</p>";
}

}  // namespace velmo::testing
