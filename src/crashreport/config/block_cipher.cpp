#include "block_cipher.h"

namespace crashnote {

void applyBlockCipher(std::span<std::uint8_t> bytes, const std::string &password)
{
    if (password.empty())
        return;
    // FNV-1a of the password seeds a xorshift key stream.
    std::uint64_t state = 0xcbf29ce484222325ull;
    for (unsigned char c : password)
        state = (state ^ c) * 0x100000001b3ull;
    if (state == 0)
        state = 1;
    for (auto &b : bytes) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        b ^= static_cast<std::uint8_t>(state >> 24);
    }
}

std::uint32_t encipherWord(std::uint32_t word, const std::string &password)
{
    std::uint8_t bytes[4] = {std::uint8_t(word), std::uint8_t(word >> 8), std::uint8_t(word >> 16),
                             std::uint8_t(word >> 24)};
    applyBlockCipher(bytes, password);
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

} // namespace crashnote
