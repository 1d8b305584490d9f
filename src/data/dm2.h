#pragma once

#include "connection.h"

#include <QObject>

// The second data module: its own central connection, for the manufacturers
// and dollar-rate tables.
class TDM2 : public QObject {
  Q_OBJECT
 public:
  explicit TDM2(QObject *parent = nullptr);

  void DataModuleCreate(const QString &ipServidor);

  fb::Connection SQLConnection1;
};
