#pragma once

// Runs a program to its end and collects what it wrote.

#include <map>
#include <string>
#include <vector>

namespace crashnote::test {

struct ProgramRun {
    int exitCode = -1;      // -1: killed by a signal or timed out
    int signal = 0;
    std::string out;
    std::string err;
};

ProgramRun runProgram(const std::vector<std::string> &arguments,
                      const std::map<std::string, std::string> &environment = {}, int timeoutSeconds = 60);

// Lines of text that start with prefix.
std::vector<std::string> linesStartingWith(const std::string &text, const std::string &prefix);
int countOf(const std::string &text, const std::string &part);

} // namespace crashnote::test
