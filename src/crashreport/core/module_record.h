#pragma once

// What the reporter knows of one module of the process: its block, options
// and debug data.

#include "crashreport/config/debug_data.h"
#include "crashreport/config/option_values.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

namespace crashnote {

struct ModuleRecord {
    std::uint64_t loadAddress = 0;
    std::string fileName;                 // full path
    std::uint8_t kind = 0;                // 0 unknown, 1 program file, 3 other library
    std::uint16_t blockVersion = 6006;
    double compilationDate = 0;
    bool hasBlock = false;
    OptionValues options;
    std::shared_ptr<const DebugData> debugData; // null when none
    std::string debugPassword;
    bool passwordValid = false;
    std::timespec lastModified{};
};

// The record of the module holding the address (cached, rebuilt when the
// file changed); null when no module holds it.
std::shared_ptr<const ModuleRecord> moduleRecordAt(std::uint64_t address);
std::shared_ptr<const ModuleRecord> programModuleRecord();
bool isInProgram(std::uint64_t address);
// Reads a module's record from its file.
std::shared_ptr<ModuleRecord> loadModuleRecord(const std::string &fileName, std::uint64_t loadAddress,
                                               bool isProgram);

} // namespace crashnote
