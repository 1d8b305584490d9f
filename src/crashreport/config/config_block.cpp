#include "config_block.h"

#include "block_cipher.h"
#include "byte_stream.h"
#include "options_codec.h"
#include "zlib_codec.h"

namespace crashnote {

namespace {

constexpr std::uint16_t kFirstSupportedVersion = 6000;

BlockReadResult damaged() { return {BlockStatus::Damaged, std::nullopt}; }

std::vector<std::uint8_t> unpackDebugData(std::span<const std::uint8_t> compressed)
{
    auto plain = zlibDecompress(compressed);
    ByteReader r(plain);
    auto bytes = r.take(r.u32());
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> packDebugData(const std::vector<std::uint8_t> &debugData)
{
    ByteWriter w;
    w.u32(static_cast<std::uint32_t>(debugData.size()));
    w.raw(debugData);
    return zlibCompress(w.bytes());
}

} // namespace

bool isBlockMagic(std::uint32_t word) { return word == kBlockMagic || word == kBlockMagicOld; }

std::uint16_t normalizeBlockVersion(std::uint16_t raw)
{
    if (raw >= 600 && raw <= 606)
        return static_cast<std::uint16_t>(raw % 600 + 6000);
    return raw;
}

BlockReadResult readSectionBlock(std::span<const std::uint8_t> bytes, const PasswordRequest &askPassword)
{
    try {
        ByteReader r(bytes);
        ConfigBlock block;
        block.magic = r.u32();
        if (!isBlockMagic(block.magic))
            return {BlockStatus::NoBlock, std::nullopt};
        block.version = normalizeBlockVersion(r.u16());
        if (block.version > kReporterVersion || block.version < kFirstSupportedVersion)
            return {BlockStatus::UnsupportedVersion, std::nullopt};
        block.compilationDate = r.f64();
        block.leakFlags = r.u8();
        block.leakOptions = r.u8();
        std::uint32_t symbolBytes = r.u32();
        ByteReader symbols(r.take(symbolBytes));
        while (symbols.remaining() >= 9)
            block.symbols.push_back({symbols.u8(), symbols.u32(), symbols.u32()});
        if (symbols.remaining() != 0)
            return damaged();
        auto compressedOptions = r.take(r.u32());
        block.options = decodeOptions(zlibDecompress(compressedOptions));
        std::uint32_t check = r.u32();
        auto lockedDebugData = r.rest();

        // The password that turns the check word into a magic unlocks the debug data.
        std::optional<std::string> password = std::string();
        while (password && !isBlockMagic(encipherWord(check, *password)))
            password = askPassword ? askPassword() : std::nullopt;
        block.passwordValid = password.has_value();
        if (block.passwordValid && !lockedDebugData.empty()) {
            std::vector<std::uint8_t> compressed(lockedDebugData.begin(), lockedDebugData.end());
            applyBlockCipher(compressed, *password);
            block.debugData = unpackDebugData(compressed);
            block.debugPassword = *password;
        }
        return {BlockStatus::Ok, std::move(block)};
    } catch (const std::exception &) {
        return damaged();
    }
}

BlockReadResult readTrailerBlock(std::span<const std::uint8_t> file)
{
    try {
        if (file.size() < 8)
            return {BlockStatus::NoBlock, std::nullopt};
        ByteReader tail(file.subspan(file.size() - 8));
        std::uint32_t size = tail.u32();
        std::uint32_t magic = tail.u32();
        if (!isBlockMagic(magic))
            return {BlockStatus::NoBlock, std::nullopt};
        if (size > file.size() - 8)
            return damaged();
        ByteReader r(file.subspan(file.size() - 8 - size, size));
        ConfigBlock block;
        block.magic = magic;
        block.version = normalizeBlockVersion(r.u16());
        if (block.version > kReporterVersion || block.version < kFirstSupportedVersion)
            return {BlockStatus::UnsupportedVersion, std::nullopt};
        block.compilationDate = r.f64();
        block.options = decodeOptions(r.take(r.u32()));
        auto debugData = r.take(r.u32());
        block.debugData.assign(debugData.begin(), debugData.end());
        return {BlockStatus::Ok, std::move(block)};
    } catch (const std::exception &) {
        return damaged();
    }
}

std::vector<std::uint8_t> writeSectionBlock(const ConfigBlock &block, const std::string &password)
{
    ByteWriter w;
    w.u32(block.magic);
    w.u16(block.version);
    w.f64(block.compilationDate);
    w.u8(block.leakFlags);
    w.u8(block.leakOptions);
    w.u32(static_cast<std::uint32_t>(block.symbols.size() * 9));
    for (const auto &s : block.symbols) {
        w.u8(s.number);
        w.u32(s.address);
        w.u32(s.reserved);
    }
    auto options = zlibCompress(encodeOptions(block.options));
    w.u32(static_cast<std::uint32_t>(options.size()));
    w.raw(options);
    w.u32(encipherWord(block.magic, password));
    if (!block.debugData.empty()) {
        auto packed = packDebugData(block.debugData);
        applyBlockCipher(packed, password);
        w.raw(packed);
    }
    return std::move(w.bytes());
}

std::vector<std::uint8_t> writeTrailerBlock(const ConfigBlock &block)
{
    ByteWriter body;
    body.u16(block.version);
    body.f64(block.compilationDate);
    auto options = encodeOptions(block.options);
    // The options record carries its own length so the debug data can follow it.
    body.u32(static_cast<std::uint32_t>(options.size()));
    body.raw(options);
    body.u32(static_cast<std::uint32_t>(block.debugData.size()));
    body.raw(block.debugData);
    ByteWriter w;
    w.raw(body.bytes());
    w.u32(static_cast<std::uint32_t>(body.bytes().size()));
    w.u32(block.magic);
    return std::move(w.bytes());
}

} // namespace crashnote
