#include "system/system_sources.h"

namespace crashnote::report {

SystemValues readSystemValues(const QString &programPath)
{
    SystemValues values;
    readUserValues(values);
    readComputerValues(values, programPath);
    readOperatingSystemValues(values);
    readNetworkValues(values);
    return values;
}

} // namespace crashnote::report
