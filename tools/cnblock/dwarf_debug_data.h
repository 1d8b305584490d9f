#pragma once

// Reads routines, classes, source units and the line table of a program
// from its DWARF debug information.

#include "crashreport/config/debug_data.h"

#include <string>

namespace cnblock {

// Throws std::runtime_error when the file cannot be read as ELF.
crashnote::DebugData extractDebugData(const std::string &programFile);

} // namespace cnblock
