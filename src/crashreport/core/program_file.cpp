#include "program_file.h"

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace crashnote {

std::string programPath()
{
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string fileNameOf(const std::string &path)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string programFileName() { return fileNameOf(programPath()); }

std::string programFolder()
{
    std::string path = programPath();
    return path.substr(0, path.rfind('/') + 1);
}

std::vector<std::string> commandLine()
{
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> args;
    std::string current;
    for (char c : all) {
        if (c == '\0') {
            args.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        args.push_back(current);
    return args;
}

} // namespace crashnote
