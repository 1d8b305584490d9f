#pragma once

#include <QString>

#include <map>

namespace crashnote::report {

// The keys of an INI text by section, both as written in the file.
using IniSections = std::map<QString, std::map<QString, QString>>;

// Reads "[Section]" lines and "Key=Value" lines; anything else is ignored.
IniSections parseIni(const QString &text);

QString writeIni(const IniSections &sections);

} // namespace crashnote::report
