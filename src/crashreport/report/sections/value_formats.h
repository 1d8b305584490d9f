#pragma once

#include "report_input.h"
#include "system/system_values.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace crashnote::report {

// "notepad - (Text editor)": a file name with its description when it has one.
QString nameWithDescription(const QString &fileName, const QString &description);

// Each command-line parameter in double quotes, separated by one blank.
QString quotedParameters(const QStringList &parameters);

// The exception message as the report writes it.
QString reportMessage(const ExceptionInput &exception, const QString &exceptionModuleName);

// "192.168.001.010": every part of an IPv4 address with three digits.
QString threeDigitAddress(const QString &address);

// Memory in MiB, rounded, with " Mb".
QString megabytes(std::uint64_t bytes);

// Disk space in GiB with at most two decimals, with " Gb".
QString gigabytes(std::uint64_t bytes);

// One line per privilege: name padded to 31, then " - ON" or " - OFF".
QString privilegeLines(const std::vector<Privilege> &privileges);

// Values joined with " - ", the way the network items list their adapters.
QString perAdapter(const QStringList &values);

} // namespace crashnote::report
