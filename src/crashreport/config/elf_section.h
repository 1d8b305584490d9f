#pragma once

// Finds a named section in an ELF file image (64-bit, little-endian).

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace crashnote {

// nullopt when the image is no ELF file, is damaged, or lacks the section.
std::optional<std::span<const std::uint8_t>> findElfSection(std::span<const std::uint8_t> image,
                                                             const std::string &name);

} // namespace crashnote
