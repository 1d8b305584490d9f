#include "module_options_ex.h"

#include "crashreport/config/byte_stream.h"
#include "crashreport/config/options_codec.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace crashnote {

namespace {

std::string shmPath(std::uint64_t loadAddress)
{
    return "/" + TCrashNoteModuleOptionsEx::areaName(static_cast<std::uint64_t>(::getpid()), loadAddress);
}

} // namespace

TCrashNoteModuleOptionsEx::TCrashNoteModuleOptionsEx(std::uint64_t moduleLoadAddress)
    : loadAddress_(moduleLoadAddress)
{
}

TCrashNoteModuleOptionsEx::~TCrashNoteModuleOptionsEx()
{
    if (published_)
        ::shm_unlink(shmPath(loadAddress_).c_str());
}

std::string TCrashNoteModuleOptionsEx::areaName(std::uint64_t processId, std::uint64_t moduleLoadAddress)
{
    char name[64];
    std::snprintf(name, sizeof name, "%08llX%016llXMODULE", static_cast<unsigned long long>(processId),
                  static_cast<unsigned long long>(moduleLoadAddress));
    return name;
}

void TCrashNoteModuleOptionsEx::changed()
{
    TCrashNoteModuleOptions::changed();
    // Layout: 32-bit area size, 1 byte "options follow", the options record.
    auto record = encodeOptions(values());
    ByteWriter w;
    w.u32(static_cast<std::uint32_t>(5 + record.size()));
    w.u8(1);
    w.raw(record);
    int fd = ::shm_open(shmPath(loadAddress_).c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return;
    auto &bytes = w.bytes();
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()))
        published_ = true;
    ::close(fd);
}

std::optional<OptionValues> TCrashNoteModuleOptionsEx::readPublished(std::uint64_t moduleLoadAddress)
{
    int fd = ::shm_open(shmPath(moduleLoadAddress).c_str(), O_RDONLY, 0);
    if (fd < 0)
        return std::nullopt;
    std::optional<OptionValues> result;
    struct stat st{};
    if (::fstat(fd, &st) == 0 && st.st_size >= 5) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
        if (::read(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
            try {
                ByteReader r(bytes);
                std::uint32_t size = r.u32();
                if (size <= bytes.size() && r.u8() == 1)
                    result = decodeOptions(std::span(bytes).subspan(5, size - 5));
            } catch (const std::exception &) {
                result.reset();
            }
        }
    }
    ::close(fd);
    return result;
}

} // namespace crashnote
