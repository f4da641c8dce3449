#include "editview/model/text_buffer.h"

#include <cstring>

namespace velmo {

std::uint8_t* TextBuffer::Lock(BlockHeap& heap) {
    if (base == nullptr) base = heap.Lock(handle);
    return base;
}

void TextBuffer::Unlock(BlockHeap& heap) {
    if (base == nullptr) return;
    heap.Unlock(handle);
    base = nullptr;
}

bool TextBuffer::Reserve(BlockHeap& heap, std::uint32_t count) {
    if (count <= free) return true;
    std::uint64_t size = heap.Size(handle);
    size += (count <= 2 ? 0 : count) + GrowthRoom(size);
    bool wasLocked = IsLocked();
    Unlock(heap);
    BlockHandle grown = heap.Reallocate(handle, size);
    if (grown != 0) {
        handle = grown;
        free = static_cast<std::uint32_t>(size - length);
    }
    if (wasLocked) Lock(heap);
    return grown != 0;
}

void TextBuffer::Replace(std::uint32_t start, std::uint32_t removed, const std::uint8_t* text,
                         std::uint32_t inserted) {
    std::uint32_t tail = length - start - removed;
    if (inserted != removed && tail > 0) std::memmove(base + start + inserted, base + start + removed, tail);
    if (inserted > 0) std::memcpy(base + start, text, inserted);
    // Unsigned wrap-around gives the signed change in both fields.
    length += inserted - removed;
    free -= inserted - removed;
}

}  // namespace velmo
