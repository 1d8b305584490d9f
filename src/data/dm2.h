#pragma once

#include "client_dataset.h"
#include "command.h"
#include "connection.h"
#include "data_source.h"
#include "provider.h"

#include <QObject>

// The second data module: its own central connection, with the manufacturers
// and dollar-rate datasets (which no operation opens).
class TDM2 : public QObject {
  Q_OBJECT
 public:
  explicit TDM2(QObject *parent = nullptr);

  void DataModuleCreate(const QString &ipServidor);

  fb::Connection SQLConnection1;

  ds::Command SQLDS_Fabric{QStringLiteral("SQLDS_Fabric"), SQLConnection1};
  ds::Provider DSP_Fabric{QStringLiteral("DSP_Fabric"), SQLDS_Fabric};
  ds::ClientDataSet Fabric{QStringLiteral("Fabric"), DSP_Fabric};
  ds::DataSource DS_Fabric{&Fabric};

  ds::Command SQLDS_CotDolar{QStringLiteral("SQLDS_CotDolar"), SQLConnection1};
  ds::Provider DSP_CotDolar{QStringLiteral("DSP_CotDolar"), SQLDS_CotDolar, ds::UpdateMode::ByAllColumns};
  ds::ClientDataSet CotDolar{QStringLiteral("CotDolar"), DSP_CotDolar};
  ds::DataSource DS_CotDolar{&CotDolar};
};
