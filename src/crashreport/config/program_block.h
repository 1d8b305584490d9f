#pragma once

// Looks up the configuration block of a module file: first the CNDATA
// section, then the trailer.

#include "config_block.h"

#include <string>

namespace crashnote {

BlockReadResult readModuleBlock(const std::string &moduleFile, const PasswordRequest &askPassword = {});

// Both forms, tried in order on a file image already in memory.
BlockReadResult readBlockFromImage(std::span<const std::uint8_t> image, const PasswordRequest &askPassword = {});

} // namespace crashnote
