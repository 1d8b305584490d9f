#include "query.h"

namespace ds {

Query::Query(QString name, fb::Connection &connection)
    : command_(name, connection), provider_(name, command_), rows_(std::move(name), provider_) {}

void Query::setSql(const QString &sql) {
  rows_.close();
  command_.setText(sql);
}

}  // namespace ds
