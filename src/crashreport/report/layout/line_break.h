#pragma once

#include <QString>

namespace crashnote::report {

// Every line of a report ends with carriage return and line feed.
inline const QString crlf = QStringLiteral("\r\n");

} // namespace crashnote::report
