#include "tools/text_transforms.h"

#include <cstring>

#include "resource_ids.h"

namespace velmo {

namespace {

constexpr std::uint8_t kCr = '\r';
constexpr std::uint8_t kLf = '\n';
constexpr std::uint32_t kOpeningTagLength = 3;  // "<x>"
constexpr std::uint32_t kTagPairLength = 7;     // "<x>" and "</x>"
constexpr std::uint8_t kParagraphBreak[] = {kCr, kLf, kCr, kLf};
constexpr char kParagraphJoint[] = "</p>\r\n<p>";
constexpr std::uint32_t kParagraphJointLength = sizeof kParagraphJoint - 1;

bool IsLineBreak(const std::uint8_t* text, std::uint32_t length, std::uint32_t at) {
    return at + 1 < length && text[at] == kCr && text[at + 1] == kLf;
}

bool IsParagraphBreak(const std::uint8_t* text, std::uint32_t length, std::uint32_t at) {
    return length - at >= sizeof kParagraphBreak &&
           std::memcmp(text + at, kParagraphBreak, sizeof kParagraphBreak) == 0;
}

enum class CaseChange { Lower, Upper, Invert };

std::uint8_t ChangeCase(const CaseTable& cases, CaseChange change, std::uint8_t byte) {
    switch (change) {
    case CaseChange::Lower: return cases.lower[byte];
    case CaseChange::Upper: return cases.upper[byte];
    case CaseChange::Invert: break;
    }
    switch (cases.kind[byte]) {
    case LetterCase::Upper: return cases.lower[byte];
    case LetterCase::Lower: return cases.upper[byte];
    case LetterCase::None: break;
    }
    return byte;
}

bool ConvertCase(const CaseTable& cases, CaseChange change, const std::uint8_t* text, std::uint32_t length,
                 ToolText& out) {
    if (!out.Allocate(length)) return false;
    std::uint8_t* result = out.Bytes();
    for (std::uint32_t i = 0; i < length; ++i) result[i] = ChangeCase(cases, change, text[i]);
    return true;
}

// Each character goes to the mirror place of the result; a CR LF pair moves
// as one character and keeps its order.
bool Reverse(const std::uint8_t* text, std::uint32_t length, ToolText& out) {
    if (!out.Allocate(length)) return false;
    std::uint8_t* result = out.Bytes();
    std::uint32_t write = length;
    for (std::uint32_t read = 0; read < length;) {
        std::uint32_t size = IsLineBreak(text, length, read) ? 2 : 1;
        write -= size;
        std::memcpy(result + write, text + read, size);
        read += size;
    }
    return true;
}

std::uint32_t CountParagraphBreaks(const std::uint8_t* text, std::uint32_t length) {
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < length;) {
        if (IsParagraphBreak(text, length, i)) {
            ++count;
            i += sizeof kParagraphBreak;
        } else {
            ++i;
        }
    }
    return count;
}

std::uint8_t* Put(std::uint8_t* to, const void* from, std::uint32_t length) {
    std::memcpy(to, from, length);
    return to + length;
}

// "<x>" + text + "</x>"; for paragraphs every CR LF CR LF inside closes one
// paragraph and opens the next.
bool WrapInTags(char tag, const std::uint8_t* text, std::uint32_t length, ToolText& out) {
    bool paragraphs = tag == 'p';
    std::uint32_t breaks = paragraphs ? CountParagraphBreaks(text, length) : 0;
    std::uint64_t growth = std::uint64_t{kParagraphJointLength - sizeof kParagraphBreak} * breaks;
    if (!out.Allocate(length + growth + kTagPairLength)) return false;
    const char opening[] = {'<', tag, '>'};
    const char closing[] = {'<', '/', tag, '>'};
    std::uint8_t* write = Put(out.Bytes(), opening, sizeof opening);
    for (std::uint32_t i = 0; i < length;) {
        if (paragraphs && IsParagraphBreak(text, length, i)) {
            write = Put(write, kParagraphJoint, kParagraphJointLength);
            i += sizeof kParagraphBreak;
        } else {
            *write++ = text[i++];
        }
    }
    Put(write, closing, sizeof closing);
    return true;
}

// Every "<" with a ">" after it goes with everything up to that ">"; an
// unmatched "<" and all after it stay.
bool RemoveTags(const std::uint8_t* text, std::uint32_t length, ToolText& out) {
    if (!out.Allocate(length)) return false;
    std::uint8_t* write = out.Bytes();
    std::uint32_t read = 0;
    while (read < length) {
        if (text[read] == '<') {
            const void* close = std::memchr(text + read + 1, '>', length - read - 1);
            if (close == nullptr) break;
            read = static_cast<std::uint32_t>(static_cast<const std::uint8_t*>(close) - text) + 1;
        } else {
            *write++ = text[read++];
        }
    }
    write = Put(write, text + read, length - read);
    out.Shorten(static_cast<std::uint32_t>(write - out.Bytes()));
    return true;
}

bool IsTagWrapper(unsigned command) {
    return command == IDM_TAG_PARAGRAPH || command == IDM_TAG_BOLD || command == IDM_TAG_ITALIC;
}

}  // namespace

bool TransformText(unsigned command, const CaseTable& cases, const std::uint8_t* text, std::uint32_t length,
                   ToolText& out) {
    switch (command) {
    case IDM_LOWER_CASE: return ConvertCase(cases, CaseChange::Lower, text, length, out);
    case IDM_UPPER_CASE: return ConvertCase(cases, CaseChange::Upper, text, length, out);
    case IDM_INVERT_CASE: return ConvertCase(cases, CaseChange::Invert, text, length, out);
    case IDM_REVERSE: return Reverse(text, length, out);
    case IDM_TAG_PARAGRAPH: return WrapInTags('p', text, length, out);
    case IDM_TAG_BOLD: return WrapInTags('b', text, length, out);
    case IDM_TAG_ITALIC: return WrapInTags('i', text, length, out);
    case IDM_REMOVE_TAGS: return RemoveTags(text, length, out);
    default: return false;
    }
}

bool SelectionAfterTool(unsigned command, std::uint32_t start, std::uint32_t selectedLength,
                        std::uint32_t replacementLength, ToolSelection* selection) {
    if (command == IDM_REMOVE_TAGS) return false;
    if (IsTagWrapper(command) && selectedLength == 0) {
        *selection = {start + kOpeningTagLength, start + kOpeningTagLength};
    } else {
        *selection = {start, start + replacementLength};
    }
    return true;
}

}  // namespace velmo
