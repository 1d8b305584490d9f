#include "dm2.h"

#include "conexao_central.h"

TDM2::TDM2(QObject *parent) : QObject(parent) { setObjectName(QStringLiteral("DM2")); }

void TDM2::DataModuleCreate(const QString &ipServidor) { abreConexaoCentral(SQLConnection1, ipServidor); }
