#pragma once

#include <QString>

#include <optional>

namespace crashnote::report {

// The value of a numbered item ("2.7") of a stored report, read back as it
// was before it was written: ":_" as ": ", "." lines empty, trimmed.
std::optional<QString> readLogItem(const QString &entry, const QString &number);

// The entry with item 2.8 (repeat count) raised by one; a hidden count is
// inserted at the end of section 2 with the given label, aligned.
QString countRepeat(const QString &entry, const QString &countLabel);

} // namespace crashnote::report
