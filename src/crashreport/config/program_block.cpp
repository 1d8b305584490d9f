#include "program_block.h"

#include "elf_section.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace crashnote {

BlockReadResult readBlockFromImage(std::span<const std::uint8_t> image, const PasswordRequest &askPassword)
{
    if (auto section = findElfSection(image, kBlockSectionName)) {
        auto result = readSectionBlock(*section, askPassword);
        if (result.status != BlockStatus::NoBlock)
            return result;
    }
    return readTrailerBlock(image);
}

BlockReadResult readModuleBlock(const std::string &moduleFile, const PasswordRequest &askPassword)
{
    int fd = ::open(moduleFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st{};
    BlockReadResult result;
    if (::fstat(fd, &st) == 0 && st.st_size > 0) {
        auto size = static_cast<std::size_t>(st.st_size);
        void *map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            result = readBlockFromImage({static_cast<const std::uint8_t *>(map), size}, askPassword);
            ::munmap(map, size);
        }
    }
    ::close(fd);
    return result;
}

} // namespace crashnote
