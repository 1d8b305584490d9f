#pragma once

#include "value.h"

#include <ostream>
#include <QString>

// Lets GoogleTest show Qt strings and database values in its failure messages.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
inline std::ostream &operator<<(std::ostream &out, const QString &text) { return out << text.toStdString(); }

namespace fb {
inline void PrintTo(const Value &value, std::ostream *out) {
  *out << (value.isNull() ? std::string("<null>") : value.toString().toStdString());
}
}  // namespace fb
