#pragma once

#include <stdexcept>
#include <QString>

// A value that does not convert to the type of the field it is read from or
// written to; its message is what the user is shown.
class EConvertError : public std::runtime_error {
 public:
  explicit EConvertError(const QString &message) : std::runtime_error(message.toStdString()), message_(message) {}
  QString message() const { return message_; }

 private:
  QString message_;
};
