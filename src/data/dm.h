#pragma once

#include "connection.h"

#include <QObject>

// The main data module: the central connection `sqlcon1` and the tutorial
// connection `SQLConnection1`, and every dataset the program opens.
class TDM : public QObject {
  Q_OBJECT
 public:
  explicit TDM(QObject *parent = nullptr);

  // Opens the central connection at the configured server address.
  void DataModuleCreate(const QString &ipServidor);

  fb::Connection sqlcon1;
  fb::Connection SQLConnection1;  // the tutorial database, opened when first needed
};
