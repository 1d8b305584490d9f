#pragma once

#include "client_dataset.h"
#include "connection.h"
#include "temp_database.h"
#include "transaction.h"

#include <QStringList>

// A dataset chain over a fresh central database, recording every event it fires.
struct Chain {
  Chain(fb::Connection &connection, const QString &sql, ds::UpdateMode mode = ds::UpdateMode::ByKey)
      : command(QStringLiteral("SQLDS_Test"), connection, sql),
        provider(QStringLiteral("DSP_Test"), command, mode),
        dataSet(QStringLiteral("Test"), provider) {
    dataSet.setDecimalSeparator(u',');
    auto record = [this](const char *name) { return [this, name](ds::ClientDataSet &) { events << name; }; };
    dataSet.beforeInsert = record("beforeInsert");
    dataSet.afterInsert = record("afterInsert");
    dataSet.beforeEdit = record("beforeEdit");
    dataSet.beforePost = record("beforePost");
    dataSet.afterPost = record("afterPost");
    dataSet.afterCancel = record("afterCancel");
    dataSet.beforeDelete = record("beforeDelete");
    dataSet.afterDelete = record("afterDelete");
    dataSet.afterScroll = record("afterScroll");
    dataSet.beforeClose = record("beforeClose");
    dataSet.onPostError = [this](ds::ClientDataSet &, const EDatabaseError &) { events << "onPostError"; };
  }

  ds::Command command;
  ds::Provider provider;
  ds::ClientDataSet dataSet;
  QStringList events;
};

// Runs one statement on a connection and returns its single value as text.
inline QString scalar(fb::Connection &connection, const QString &sql) {
  fb::Transaction read(connection);
  const fb::ResultSet answer = read.select(sql);
  return answer.rows.isEmpty() ? QStringLiteral("<no row>") : answer.rows[0][0].toString(u',');
}

// A second attachment to the same database: another workstation.
inline std::unique_ptr<fb::Connection> secondWorkstation(const TempCentralDatabase &db) {
  auto connection = std::make_unique<fb::Connection>();
  connection->parameters().database = db.path();
  connection->open();
  return connection;
}
