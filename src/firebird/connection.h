#pragma once

#include "client_library.h"

#include <memory>
#include <optional>
#include <QString>

namespace fb {

// The stored parameters of the suite's connections.
struct ConnectionParameters {
  QString database;      // "host[/port]:path" attaches over TCP; a bare path attaches embedded
  QString user = QStringLiteral("sysdba");
  QString password = QStringLiteral("tindralux");
  QString role = QStringLiteral("RoleName");
  int dialect = 3;
  QString clientLibrary;  // full path of the client library; empty: the ordinary search
  // When set, changes the database's own forced-writes mode on attach (it
  // stays so). Only bulk loads such as the demo switch it off for a while.
  std::optional<bool> forcedWrites;
};

class Transaction;

// One attachment to a Firebird database. Not thread-safe: the program uses
// each connection from the user-interface thread only.
class Connection {
 public:
  Connection() = default;
  ~Connection();
  Connection(const Connection &) = delete;
  Connection &operator=(const Connection &) = delete;

  ConnectionParameters &parameters() { return parameters_; }
  const ConnectionParameters &parameters() const { return parameters_; }

  // Loads the client library and attaches. Throws EDatabaseError.
  void open();
  // Creates the database file named by the parameters, in Windows-1252, in
  // the forced-writes mode asked for, and stays attached to it. Throws EDatabaseError.
  void create();
  void close();
  bool isOpen() const { return handle_ != 0; }

  // Runs one statement in a transaction of its own, committed at once, and
  // returns the number of rows it inserted, changed or removed.
  long long executeDirect(const QString &sql);

  const ClientLibrary &library() const { return *library_; }
  isc_db_handle *handle() { return &handle_; }

 private:
  ConnectionParameters parameters_;
  std::shared_ptr<const ClientLibrary> library_;
  isc_db_handle handle_ = 0;
};

}  // namespace fb
