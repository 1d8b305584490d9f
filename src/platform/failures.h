#pragma once

#include <stdexcept>
#include <QString>

// Failures of the program's own conversions and file reads, named as users of
// the suite know them from its other modules.
class EConvertError : public std::runtime_error {
 public:
  explicit EConvertError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const QString &message) : std::runtime_error(message.toStdString()) {}
};
