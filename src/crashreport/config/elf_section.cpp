#include "elf_section.h"

#include <cstring>
#include <elf.h>

namespace crashnote {

namespace {

template <typename T>
bool readAt(std::span<const std::uint8_t> image, std::uint64_t offset, T &out)
{
    if (offset > image.size() || image.size() - offset < sizeof(T))
        return false;
    std::memcpy(&out, image.data() + offset, sizeof(T));
    return true;
}

} // namespace

std::optional<std::span<const std::uint8_t>> findElfSection(std::span<const std::uint8_t> image,
                                                             const std::string &name)
{
    Elf64_Ehdr header;
    if (!readAt(image, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB ||
        header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum)
        return std::nullopt;

    auto sectionHeader = [&](std::uint64_t index, Elf64_Shdr &out) {
        return readAt(image, header.e_shoff + index * sizeof(Elf64_Shdr), out);
    };
    Elf64_Shdr names;
    if (!sectionHeader(header.e_shstrndx, names) || names.sh_offset > image.size() ||
        names.sh_size > image.size() - names.sh_offset)
        return std::nullopt;

    for (std::uint64_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section;
        if (!sectionHeader(i, section))
            return std::nullopt;
        if (section.sh_name >= names.sh_size || section.sh_type == SHT_NOBITS)
            continue;
        const char *sectionName = reinterpret_cast<const char *>(image.data() + names.sh_offset + section.sh_name);
        std::size_t room = names.sh_size - section.sh_name;
        if (strnlen(sectionName, room) == name.size() && std::memcmp(sectionName, name.data(), name.size()) == 0) {
            if (section.sh_offset > image.size() || section.sh_size > image.size() - section.sh_offset)
                return std::nullopt;
            return image.subspan(section.sh_offset, section.sh_size);
        }
    }
    return std::nullopt;
}

} // namespace crashnote
