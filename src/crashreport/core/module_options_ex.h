#pragma once

// The process-wide working copy of the options. Every change is republished
// in a named shared memory area of the module, so that a module loaded later
// reads the current settings instead of its block.

#include "crashreport/config/module_options.h"

#include <cstdint>
#include <optional>
#include <string>

namespace crashnote {

class TCrashNoteModuleOptionsEx : public TCrashNoteModuleOptions {
public:
    explicit TCrashNoteModuleOptionsEx(std::uint64_t moduleLoadAddress = 0);
    ~TCrashNoteModuleOptionsEx() override;
    TCrashNoteModuleOptionsEx(const TCrashNoteModuleOptionsEx &) = delete;
    TCrashNoteModuleOptionsEx &operator=(const TCrashNoteModuleOptionsEx &) = delete;

    void changed() override;

    // "<pid><load address>MODULE", each number in upper-case hexadecimal.
    static std::string areaName(std::uint64_t processId, std::uint64_t moduleLoadAddress);
    // Options published for that module of this process, if any.
    static std::optional<OptionValues> readPublished(std::uint64_t moduleLoadAddress);

private:
    std::uint64_t loadAddress_;
    bool published_ = false;
};

} // namespace crashnote
