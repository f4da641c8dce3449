#pragma once
// Moving the pieces of a text between matches. Most pieces are short, and a
// call into the C runtime for each of a million of them costs more than the
// bytes; short moves are done inline: every byte is loaded before any is
// stored, so the pieces may overlap either way.
#include <cstdint>
#include <cstring>

namespace velmo {

namespace move_detail {

template <std::uint32_t Size>
struct Chunk {
    std::uint8_t bytes[Size];
};

template <std::uint32_t Size>
inline Chunk<Size> Load(const std::uint8_t* at) {
    Chunk<Size> chunk;
    std::memcpy(chunk.bytes, at, Size);
    return chunk;
}

template <std::uint32_t Size>
inline void Store(std::uint8_t* at, const Chunk<Size>& chunk) {
    std::memcpy(at, chunk.bytes, Size);
}

// count in [Size, 2 * Size]: the first and the last Size bytes, overlapping.
template <std::uint32_t Size>
inline void MoveTwo(std::uint8_t* dst, const std::uint8_t* src, std::uint32_t count) {
    Chunk<Size> head = Load<Size>(src), tail = Load<Size>(src + count - Size);
    Store(dst, head);
    Store(dst + count - Size, tail);
}

}  // namespace move_detail

inline void MoveBytes(std::uint8_t* dst, const std::uint8_t* src, std::uint32_t count) {
    using namespace move_detail;
    if (count > 128) {
        std::memmove(dst, src, count);
    } else if (count > 64) {
        MoveTwo<64>(dst, src, count);
    } else if (count > 32) {
        MoveTwo<32>(dst, src, count);
    } else if (count > 16) {
        MoveTwo<16>(dst, src, count);
    } else if (count >= 8) {
        MoveTwo<8>(dst, src, count);
    } else if (count >= 4) {
        MoveTwo<4>(dst, src, count);
    } else if (count >= 2) {
        MoveTwo<2>(dst, src, count);
    } else if (count == 1) {
        *dst = *src;
    }
}

}  // namespace velmo
