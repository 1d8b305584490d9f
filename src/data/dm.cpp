#include "dm.h"

#include "conexao_central.h"
#include "folders.h"

TDM::TDM(QObject *parent) : QObject(parent) {
  setObjectName(QStringLiteral("DM"));
  SQLConnection1.parameters().database = veldorinFolder() + QStringLiteral("TUTORIAL.BD");
}

void TDM::DataModuleCreate(const QString &ipServidor) { abreConexaoCentral(sqlcon1, ipServidor); }
