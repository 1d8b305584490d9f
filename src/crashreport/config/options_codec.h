#pragma once

// Binary form of the options record, as stored in the configuration block,
// in option files and in the shared area.

#include "option_values.h"

#include <cstdint>
#include <span>
#include <vector>

namespace crashnote {

std::vector<std::uint8_t> encodeOptions(const OptionValues &values);

// Throws TruncatedData or std::runtime_error on a damaged record.
OptionValues decodeOptions(std::span<const std::uint8_t> bytes);

} // namespace crashnote
