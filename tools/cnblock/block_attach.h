#pragma once

// Writes a configuration block into a linked program file.

#include <cstdint>
#include <string>
#include <vector>

namespace cnblock {

// As the CNDATA section, through objcopy; replaces an earlier one.
void attachAsSection(const std::string &programFile, const std::vector<std::uint8_t> &block,
                     const std::string &objcopy);

// As the trailer at the end of the file; replaces an earlier trailer.
void attachAsTrailer(const std::string &programFile, const std::vector<std::uint8_t> &trailer);

} // namespace cnblock
