#pragma once

#include <stdexcept>
#include <QString>

// Every failure of the database layer: a refused attach, a failing statement,
// a client library that cannot be loaded. Its class name and message are what
// users read after "Classe: " and "Erro: ".
class EDatabaseError : public std::runtime_error {
 public:
  explicit EDatabaseError(const QString &message, long sqlCode = 0);

  QString message() const { return message_; }
  // The server's SQL error code; 0 when the failure did not come from the server.
  long sqlCode() const { return sqlCode_; }

 private:
  QString message_;
  long sqlCode_;
};
