#include "critical_error.h"

#include "crashreport/exceptions/exceptions.h"

namespace crashnote {

void raiseCriticalError(const std::string &section, const std::string &message)
{
    throw ECrashNoteCritical("Critical error at: \"" + section + "\"\r\nError: \"" +
                             (message.empty() ? std::string("General internal error.") : message) + "\".");
}

} // namespace crashnote
