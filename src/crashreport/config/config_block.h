#pragma once

// The configuration block that the build attaches to a program file: framing
// of its two forms (the CNDATA section and the trailer at the end of the
// file), reading and writing.

#include "option_values.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace crashnote {

inline constexpr std::uint32_t kBlockMagic = 0x100FAB10;
inline constexpr std::uint32_t kBlockMagicOld = 0x000FAB10;
inline constexpr std::uint16_t kReporterVersion = 6006;
inline constexpr const char *kBlockSectionName = "CNDATA";

bool isBlockMagic(std::uint32_t word);

// Version words 600 to 606 are the short spelling of 6000 to 6006.
std::uint16_t normalizeBlockVersion(std::uint16_t raw);

struct BlockSymbol {
    std::uint8_t number = 0;
    std::uint32_t address = 0;   // relative to the module's load address
    std::uint32_t reserved = 0;
    bool operator==(const BlockSymbol &) const = default;
};

struct ConfigBlock {
    std::uint32_t magic = kBlockMagic;
    std::uint16_t version = kReporterVersion;
    double compilationDate = 0;          // days since 1899-12-30, UTC
    std::uint8_t leakFlags = 0;          // bit 0: leak catching
    std::uint8_t leakOptions = 0;
    std::vector<BlockSymbol> symbols;
    OptionValues options;
    std::vector<std::uint8_t> debugData; // deciphered and decompressed; empty when none or locked
    bool passwordValid = true;           // false: the debug data stayed locked
    std::string debugPassword;
};

enum class BlockStatus { Ok, NoBlock, UnsupportedVersion, Damaged };

struct BlockReadResult {
    BlockStatus status = BlockStatus::NoBlock;
    std::optional<ConfigBlock> block;
};

// Supplies candidate passwords for locked debug data; returns nullopt when
// there is none left to try.
using PasswordRequest = std::function<std::optional<std::string>()>;

// Section form. The block starts at the first byte of bytes.
BlockReadResult readSectionBlock(std::span<const std::uint8_t> bytes, const PasswordRequest &askPassword = {});
// Trailer form: bytes is the whole program file.
BlockReadResult readTrailerBlock(std::span<const std::uint8_t> file);

std::vector<std::uint8_t> writeSectionBlock(const ConfigBlock &block, const std::string &password = {});
std::vector<std::uint8_t> writeTrailerBlock(const ConfigBlock &block);

} // namespace crashnote
