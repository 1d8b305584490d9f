#include "stack/memory_reader.h"

#include <sys/uio.h>
#include <unistd.h>

namespace crashnote::report {

bool readMemory(std::uint64_t address, void *destination, std::size_t size)
{
    if (size == 0)
        return true;
    // The kernel checks the source pages, so a bad address is an error, not a crash.
    iovec local{destination, size};
    iovec remote{reinterpret_cast<void *>(address), size};
    return process_vm_readv(getpid(), &local, 1, &remote, 1, 0) == ssize_t(size);
}

} // namespace crashnote::report
