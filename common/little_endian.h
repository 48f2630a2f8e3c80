#pragma once

#include <cstddef>
#include <cstdint>

// Unsigned fields stored least significant byte first, as in bitmap files, read from any
// contiguous bytes (char or std::uint8_t) at offset; the caller has checked they are there.

template <typename Bytes>
std::uint16_t ReadLittle16(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                    static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
}

template <typename Bytes>
std::uint32_t ReadLittle32(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(ReadLittle16(bytes, offset)) |
         static_cast<std::uint32_t>(ReadLittle16(bytes, offset + 2)) << 16;
}
