#include "block_attach.h"

#include "crashreport/config/config_block.h"
#include "crashreport/config/elf_section.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace cnblock {

namespace {

std::vector<std::uint8_t> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void run(std::vector<std::string> args)
{
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + args[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(args[0] + " failed");
}

// Size of the file without a trailer block written by an earlier run.
std::size_t sizeWithoutTrailer(const std::vector<std::uint8_t> &file)
{
    auto result = crashnote::readTrailerBlock(file);
    if (result.status != crashnote::BlockStatus::Ok)
        return file.size();
    std::size_t n = file.size();
    std::uint32_t size = std::uint32_t(file[n - 8]) | std::uint32_t(file[n - 7]) << 8 |
                         std::uint32_t(file[n - 6]) << 16 | std::uint32_t(file[n - 5]) << 24;
    return n - 8 - size;
}

} // namespace

void attachAsSection(const std::string &programFile, const std::vector<std::uint8_t> &block,
                     const std::string &objcopy)
{
    std::string blockFile = programFile + ".cndata";
    writeFile(blockFile, block);
    std::vector<std::string> args{objcopy};
    if (crashnote::findElfSection(readFile(programFile), crashnote::kBlockSectionName))
        args.push_back(std::string("--remove-section=") + crashnote::kBlockSectionName);
    args.push_back(std::string("--add-section=") + crashnote::kBlockSectionName + "=" + blockFile);
    args.push_back(std::string("--set-section-flags=") + crashnote::kBlockSectionName + "=readonly");
    args.push_back(programFile);
    try {
        run(args);
    } catch (...) {
        std::filesystem::remove(blockFile);
        throw;
    }
    std::filesystem::remove(blockFile);
}

void attachAsTrailer(const std::string &programFile, const std::vector<std::uint8_t> &trailer)
{
    auto file = readFile(programFile);
    file.resize(sizeWithoutTrailer(file));
    file.insert(file.end(), trailer.begin(), trailer.end());
    auto permissions = std::filesystem::status(programFile).permissions();
    writeFile(programFile, file);
    std::filesystem::permissions(programFile, permissions);
}

} // namespace cnblock
