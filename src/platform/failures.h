#pragma once

#include <stdexcept>
#include <QString>

// Failures of the program's own conversions and file reads, named as users of
// the suite know them from its other modules. Their message is what the user
// is shown.
class EConvertError : public std::runtime_error {
 public:
  explicit EConvertError(const QString &message) : std::runtime_error(message.toStdString()), message_(message) {}
  QString message() const { return message_; }

 private:
  QString message_;
};

class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const QString &message) : std::runtime_error(message.toStdString()) {}
};
