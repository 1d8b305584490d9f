#pragma once

#include <cstddef>
#include <cstdint>

namespace crashnote::report {

// Copies memory of this process without faulting on unmapped or protected
// pages; false when any byte of the range cannot be read.
bool readMemory(std::uint64_t address, void *destination, std::size_t size);

template <typename T>
bool readValue(std::uint64_t address, T &value)
{
    return readMemory(address, &value, sizeof value);
}

} // namespace crashnote::report
