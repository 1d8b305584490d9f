#pragma once

// Enciphering of the debug data with the module's debug-data password. An
// empty password leaves the bytes as they are.

#include <cstdint>
#include <span>
#include <string>

namespace crashnote {

// XORs the bytes with the password's key stream (its own inverse).
void applyBlockCipher(std::span<std::uint8_t> bytes, const std::string &password);

std::uint32_t encipherWord(std::uint32_t word, const std::string &password);

} // namespace crashnote
