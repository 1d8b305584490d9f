// The configuration block: both forms, their framing, versions, passwords,
// and damaged input.

#include "crashreport/config/config_block.h"
#include "crashreport/config/elf_section.h"
#include "crashreport/config/program_block.h"

#include <gtest/gtest.h>

using namespace crashnote;

namespace {

ConfigBlock sampleBlock()
{
    ConfigBlock block;
    block.compilationDate = 45321.75;
    block.leakFlags = 1;
    block.leakOptions = 3;
    block.symbols = {{0, 0x1234, 0}, {1, 0x5678, 0}};
    block.options.dialogKind = 3;
    block.options.emailRecipients = "support@localhost";
    block.options.filters.push_back({true, "EDatabaseError", "Database down", 2, 4, 2, 1});
    block.debugData = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    return block;
}

void setVersionWord(std::vector<std::uint8_t> &bytes, std::size_t offset, std::uint16_t version)
{
    bytes[offset] = static_cast<std::uint8_t>(version);
    bytes[offset + 1] = static_cast<std::uint8_t>(version >> 8);
}

TEST(ConfigBlock, SectionFormKeepsEveryField)
{
    auto result = readSectionBlock(writeSectionBlock(sampleBlock()));
    ASSERT_EQ(result.status, BlockStatus::Ok);
    const ConfigBlock &b = *result.block;
    EXPECT_EQ(b.magic, kBlockMagic);
    EXPECT_EQ(b.version, 6006);
    EXPECT_DOUBLE_EQ(b.compilationDate, 45321.75);
    EXPECT_EQ(b.leakFlags, 1);
    EXPECT_EQ(b.leakOptions, 3);
    EXPECT_EQ(b.symbols, sampleBlock().symbols);
    EXPECT_EQ(b.options, sampleBlock().options);
    EXPECT_EQ(b.debugData, sampleBlock().debugData);
    EXPECT_TRUE(b.passwordValid);
}

TEST(ConfigBlock, TrailerFormIsFoundAtTheEndOfTheFile)
{
    std::vector<std::uint8_t> file(1000, 0x90);
    auto trailer = writeTrailerBlock(sampleBlock());
    file.insert(file.end(), trailer.begin(), trailer.end());
    auto result = readBlockFromImage(file);
    ASSERT_EQ(result.status, BlockStatus::Ok);
    EXPECT_EQ(result.block->options, sampleBlock().options);
    EXPECT_EQ(result.block->debugData, sampleBlock().debugData);
    EXPECT_DOUBLE_EQ(result.block->compilationDate, 45321.75);
}

TEST(ConfigBlock, BothMagicsAreAcceptedAndNoOtherValue)
{
    for (std::uint32_t magic : {kBlockMagic, kBlockMagicOld}) {
        ConfigBlock block = sampleBlock();
        block.magic = magic;
        EXPECT_EQ(readSectionBlock(writeSectionBlock(block)).status, BlockStatus::Ok) << magic;
        EXPECT_EQ(readTrailerBlock(writeTrailerBlock(block)).status, BlockStatus::Ok) << magic;
    }
    for (std::uint32_t magic : {0x100FAB11u, 0x0u, 0x10FAB10u}) {
        ConfigBlock block = sampleBlock();
        block.magic = magic;
        EXPECT_EQ(readSectionBlock(writeSectionBlock(block)).status, BlockStatus::NoBlock) << magic;
        EXPECT_EQ(readTrailerBlock(writeTrailerBlock(block)).status, BlockStatus::NoBlock) << magic;
    }
}

TEST(ConfigBlock, VersionWordsAreMappedAndNewerBlocksRefused)
{
    struct Case {
        std::uint16_t word;
        BlockStatus status;
        std::uint16_t version;
    };
    const Case cases[] = {
        {600, BlockStatus::Ok, 6000},  {601, BlockStatus::Ok, 6001},
        {602, BlockStatus::Ok, 6002},  {6006, BlockStatus::Ok, 6006},
        {6007, BlockStatus::UnsupportedVersion, 0}, {9000, BlockStatus::UnsupportedVersion, 0},
        {5999, BlockStatus::UnsupportedVersion, 0}, {499, BlockStatus::UnsupportedVersion, 0},
    };
    for (const auto &c : cases) {
        auto section = writeSectionBlock(sampleBlock());
        setVersionWord(section, 4, c.word);
        auto result = readSectionBlock(section);
        EXPECT_EQ(result.status, c.status) << c.word;
        if (c.status == BlockStatus::Ok) {
            EXPECT_EQ(result.block->version, c.version) << c.word;
        }

        auto trailer = writeTrailerBlock(sampleBlock());
        setVersionWord(trailer, 0, c.word);
        EXPECT_EQ(readTrailerBlock(trailer).status, c.status) << c.word;
    }
}

TEST(ConfigBlock, EveryTruncationIsRefusedWithoutCrashing)
{
    auto section = writeSectionBlock(sampleBlock());
    ConfigBlock withoutDebugData = sampleBlock();
    withoutDebugData.debugData.clear();
    // A block may end right before the debug data; any other cut is damage.
    const std::size_t debugDataStart = writeSectionBlock(withoutDebugData).size();
    for (std::size_t size = 0; size < section.size(); ++size) {
        auto status = readSectionBlock(std::span(section).first(size)).status;
        if (size == debugDataStart) {
            EXPECT_EQ(status, BlockStatus::Ok);
        } else {
            EXPECT_NE(status, BlockStatus::Ok) << size;
        }
    }
    auto trailer = writeTrailerBlock(sampleBlock());
    for (std::size_t cut = 1; cut + 8 < trailer.size(); ++cut) {
        std::vector<std::uint8_t> shorter(trailer.begin() + static_cast<long>(cut), trailer.end());
        EXPECT_NE(readTrailerBlock(shorter).status, BlockStatus::Ok) << cut;
    }
}

TEST(ConfigBlock, PasswordUnlocksTheDebugDataOnly)
{
    auto bytes = writeSectionBlock(sampleBlock(), "s3cret");

    auto locked = readSectionBlock(bytes);
    ASSERT_EQ(locked.status, BlockStatus::Ok);
    EXPECT_FALSE(locked.block->passwordValid);
    EXPECT_TRUE(locked.block->debugData.empty());
    EXPECT_EQ(locked.block->options, sampleBlock().options) << "options stay readable";

    std::vector<std::string> offered = {"wrong", "s3cret"};
    std::size_t asked = 0;
    auto unlocked = readSectionBlock(bytes, [&]() -> std::optional<std::string> {
        if (asked < offered.size())
            return offered[asked++];
        return std::nullopt;
    });
    ASSERT_EQ(unlocked.status, BlockStatus::Ok);
    EXPECT_TRUE(unlocked.block->passwordValid);
    EXPECT_EQ(unlocked.block->debugData, sampleBlock().debugData);
    EXPECT_EQ(unlocked.block->debugPassword, "s3cret");
    EXPECT_EQ(asked, 2u);
}

TEST(ConfigBlock, ElfReaderRefusesNonElfAndDamagedHeaders)
{
    std::vector<std::uint8_t> notElf(200, 0x41);
    EXPECT_FALSE(findElfSection(notElf, "CNDATA"));
    std::vector<std::uint8_t> header = {0x7f, 'E', 'L', 'F', 2, 1, 1};
    header.resize(64, 0xff);
    EXPECT_FALSE(findElfSection(header, "CNDATA"));
}

} // namespace
