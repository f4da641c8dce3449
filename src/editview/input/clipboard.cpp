#include "editview/input/clipboard.h"

#include <cstring>

#include "common/text_utils.h"
#include "editview/control_state.h"
#include "editview/edit_operations.h"

namespace velmo {

namespace {

constexpr LRESULT kNoMemory = -1;
constexpr LRESULT kClipboardUnavailable = 2;

// The editor's own format: a 32-bit length, then the bytes, NUL included.
UINT ExactTextFormat() {
    static UINT format = RegisterClipboardFormatA("Velmo 2 exact text");
    return format;
}

// A shareable block holding `prefix` bytes of room, then text[0, length), then one zero byte.
HGLOBAL BlockWith(const std::uint8_t* text, std::uint32_t length, std::uint32_t prefix) {
    std::uint64_t size = std::uint64_t{prefix} + length + 1;
    if (size > 0xFFFFFFFFull) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, static_cast<SIZE_T>(size));
    if (block == nullptr) return nullptr;
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    std::memcpy(bytes, &length, prefix != 0 ? sizeof length : 0);
    std::memcpy(bytes + prefix, text, length);
    GlobalUnlock(block);
    return block;
}

// Puts both blocks on the clipboard; the clipboard owns whichever it took.
LRESULT Offer(HGLOBAL plain, HGLOBAL exact) {
    EditControl& c = Control();
    if (!OpenClipboard(c.window)) {
        GlobalFree(plain);
        GlobalFree(exact);
        return kClipboardUnavailable;
    }
    EmptyClipboard();
    bool placed = SetClipboardData(CF_TEXT, plain) != nullptr;
    if (!placed) GlobalFree(plain);
    if (!placed || SetClipboardData(ExactTextFormat(), exact) == nullptr) GlobalFree(exact);
    CloseClipboard();
    return placed ? 1 : kClipboardUnavailable;
}

// The pasted bytes: the exact copy when the editor made it, else the text up
// to its first zero byte, never past the end of its block.
bool TakeText(HGLOBAL* block, const std::uint8_t** text, std::uint32_t* length) {
    HGLOBAL exact = GetClipboardData(ExactTextFormat());
    if (exact != nullptr && GlobalSize(exact) >= sizeof(std::uint32_t)) {
        const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(exact));
        if (bytes != nullptr) {
            std::memcpy(length, bytes, sizeof *length);
            if (std::uint64_t{*length} + sizeof *length <= GlobalSize(exact)) {
                *block = exact;
                *text = bytes + sizeof *length;
                return true;
            }
            GlobalUnlock(exact);
        }
    }
    HGLOBAL plain = GetClipboardData(CF_TEXT);
    if (plain == nullptr) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(plain));
    if (bytes == nullptr) return false;
    *block = plain;
    *text = bytes;
    *length = static_cast<std::uint32_t>(BoundedLength(reinterpret_cast<const char*>(bytes), GlobalSize(plain)));
    return true;
}

}  // namespace

LRESULT CopySelection() {
    TextStore& store = Control().store;
    const Selection& sel = store.Sel();
    if (sel.start == sel.end) return 0;
    const std::uint8_t* text = store.Buffer().Lock(store.Heap()) + sel.start;
    std::uint32_t length = sel.end - sel.start;
    HGLOBAL plain = BlockWith(text, length, 0);
    HGLOBAL exact = plain != nullptr ? BlockWith(text, length, sizeof length) : nullptr;
    store.Buffer().Unlock(store.Heap());
    if (exact == nullptr) {
        GlobalFree(plain);
        return kNoMemory;
    }
    return Offer(plain, exact);
}

LRESULT CutSelection() {
    LRESULT copied = CopySelection();
    if (copied != 1) return copied;
    ClearSelection();
    return 0;
}

LRESULT ClearSelection() {
    const Selection& sel = Control().store.Sel();
    if (sel.start != sel.end) ReplaceSelectionBytes(nullptr, 0);
    return 0;
}

LRESULT Paste() {
    if (!OpenClipboard(Control().window)) return 0;
    HGLOBAL block = nullptr;
    const std::uint8_t* text = nullptr;
    std::uint32_t length = 0;
    if (TakeText(&block, &text, &length)) {
        ReplaceSelectionBytes(text, length);
        GlobalUnlock(block);
    }
    CloseClipboard();
    return 0;
}

}  // namespace velmo
