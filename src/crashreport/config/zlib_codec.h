#pragma once

// zlib streams of the configuration block.

#include <cstdint>
#include <span>
#include <vector>

namespace crashnote {

std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> data);

// Throws std::runtime_error on a damaged stream or when the output would pass
// maxSize (a forged block must not make us allocate without bound).
std::vector<std::uint8_t> zlibDecompress(std::span<const std::uint8_t> data,
                                         std::size_t maxSize = 256u << 20);

} // namespace crashnote
