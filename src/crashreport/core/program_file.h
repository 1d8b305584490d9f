#pragma once

// Facts about the running program file and its start.

#include <string>
#include <vector>

namespace crashnote {

std::string programPath();                 // full path of /proc/self/exe
std::string programFileName();             // without folder
std::string programFolder();               // with a final '/'
std::vector<std::string> commandLine();    // program and its arguments as started
std::string fileNameOf(const std::string &path);

} // namespace crashnote
