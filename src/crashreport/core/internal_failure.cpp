#include "internal_failure.h"

#include "caught_exception.h"
#include "program_file.h"
#include "raise_recorder.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <mutex>
#include <sys/utsname.h>

namespace crashnote {

namespace {

std::mutex warningMutex;
LastWarning last;

std::string hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(value));
    return text;
}

struct FailureFacts {
    std::string className;
    std::string message;
    std::uint64_t address = 0;
    bool isObject = false;
};

FailureFacts describeFailure(std::exception_ptr error)
{
    FailureFacts facts;
    CaughtException e = describeException(error);
    facts.className = e.className;
    facts.isObject = e.message.has_value();
    facts.message = e.message.value_or("");
    if (auto raise = findRaise(e.identity()))
        facts.address = raise->address;
    return facts;
}

void writeErrorLine(const std::string &line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

std::string operatingSystem()
{
    utsname u{};
    return ::uname(&u) == 0 ? std::string(u.sysname) + " " + u.release : std::string();
}

std::string codeBytes(std::uint64_t address)
{
    std::string bytes;
    if (!address)
        return bytes;
    // Only code of a loaded module is read; the address came from a raise in it.
    const auto *code = reinterpret_cast<const unsigned char *>(address);
    for (int i = 0; i < 32; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "$%02X ", code[i]);
        bytes += text;
    }
    return bytes;
}

} // namespace

void reportWarningText(TCrashNoteErrorCode code, const std::string &message)
{
    {
        std::lock_guard lock(warningMutex);
        last = {code, message};
    }
    writeErrorLine(std::string("[WARNING] - Code: ") + errorCodeName(code) + " - Address: " + hex(0) +
                   " - Message: \"" + message + "\"");
}

void reportWarning(TCrashNoteErrorCode code, const std::string &stepName, std::exception_ptr error)
{
    FailureFacts facts = describeFailure(error);
    std::string message = facts.isObject ? "[" + stepName + "] " + facts.message
                                         : "General '" + stepName + "' error.";
    {
        std::lock_guard lock(warningMutex);
        last = {code, message};
    }
    writeErrorLine(std::string("[WARNING] - Code: ") + errorCodeName(code) + " - Address: " + hex(facts.address) +
                   " - Message: \"" + message + "\"");
}

LastWarning lastWarning()
{
    std::lock_guard lock(warningMutex);
    return last;
}

void clearLastWarning()
{
    std::lock_guard lock(warningMutex);
    last = {};
}

bool debuggerAttached()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("TracerPid:", 0) == 0)
            return std::strtol(line.c_str() + 10, nullptr, 10) != 0;
    return false;
}

void reportInternalFailure(int step, const std::string &lastExceptionClass, std::exception_ptr error)
{
    if (!debuggerAttached())
        return;
    FailureFacts facts = describeFailure(error);
    writeErrorLine("[ERROR] - Section: " + std::to_string(step) + " - Address: " + hex(facts.address) +
                   " - Message: \"" + facts.message + "\"");

    std::string path = programPath();
    auto dot = path.rfind('.');
    if (dot == std::string::npos || dot < path.rfind('/'))
        dot = path.size();
    std::ofstream note(path.substr(0, dot) + ".log", std::ios::trunc);
    std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%a, %d %b %Y %H:%M:%S %z", std::localtime(&now));
    std::string stack;
    for (std::uint64_t address : captureStack(1))
        stack += hex(address) + " ";
    note << "Version   : 6.0.6\r\n"
         << "Date      : " << date << "\r\n"
         << "OS        : " << operatingSystem() << "\r\n"
         << "RAD       : none (built with the GNU C++ compiler)\r\n"
         << "Dump      : " << codeBytes(facts.address) << "\r\n"
         << "Section   : " << step << "\r\n"
         << "LastExcept: " << lastExceptionClass << "\r\n"
         << "Address   : " << hex(facts.address) << "\r\n"
         << "Exception : " << facts.className << "\r\n"
         << "Message   : " << facts.message << "\r\n"
         << "Call Stack: " << stack << "\r\n";
}

} // namespace crashnote
