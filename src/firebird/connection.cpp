#include "connection.h"

#include "database_error.h"
#include "transaction.h"
#include "win1252.h"

#include <string>

namespace fb {
namespace {

void appendText(std::string &dpb, char item, const QString &text) {
  const QByteArray bytes = win1252::encode(text);
  if (bytes.isEmpty()) return;
  dpb += item;
  dpb += char(std::min<qsizetype>(bytes.size(), 255));
  dpb.append(bytes.constData(), std::min<qsizetype>(bytes.size(), 255));
}

}  // namespace

Connection::~Connection() {
  try {
    close();
  } catch (const EDatabaseError &) {
    // A broken link cannot be detached cleanly; the server drops it on its own.
  }
}

void Connection::open() {
  close();
  library_ = ClientLibrary::load(parameters_.clientLibrary);

  // No character set is asked for: text travels as the database's own bytes.
  std::string dpb(1, char(isc_dpb_version1));
  appendText(dpb, isc_dpb_user_name, parameters_.user);
  appendText(dpb, isc_dpb_password, parameters_.password);
  appendText(dpb, isc_dpb_sql_role_name, parameters_.role);
  dpb += char(isc_dpb_sql_dialect);
  dpb += char(1);
  dpb += char(parameters_.dialect);
  if (parameters_.forcedWrites) {
    dpb += char(isc_dpb_force_write);
    dpb += char(1);
    dpb += char(*parameters_.forcedWrites ? 1 : 0);
  }

  const QByteArray database = parameters_.database.toLocal8Bit();
  ISC_STATUS_ARRAY status{};
  library_->attachDatabase(status, 0, database.constData(), &handle_, short(dpb.size()), dpb.data());
  if (status[0] == 1 && status[1] != 0) {
    handle_ = 0;
    library_->raise(status);
  }
}

void Connection::create() {
  close();
  library_ = ClientLibrary::load(parameters_.clientLibrary);
  auto quoted = [](QString text) { return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\''; };
  const QString sql = QStringLiteral("create database %1 user %2 password %3 page_size 8192 default character set WIN1252")
                          .arg(quoted(parameters_.database), quoted(parameters_.user), quoted(parameters_.password));
  const QByteArray text = sql.toLocal8Bit();
  ISC_STATUS_ARRAY status{};
  isc_tr_handle noTransaction = 0;
  library_->executeImmediate(status, &handle_, &noTransaction, 0, text.constData(), short(parameters_.dialect), nullptr);
  if (status[0] == 1 && status[1] != 0) {
    handle_ = 0;
    library_->raise(status);
  }
  // The forced-writes mode is taken on attach; attach again so that it rules from the start.
  if (parameters_.forcedWrites) open();
}

void Connection::close() {
  if (!handle_) return;
  ISC_STATUS_ARRAY status{};
  library_->detachDatabase(status, &handle_);
  handle_ = 0;
  library_->check(status);
}

long long Connection::executeDirect(const QString &sql) {
  Transaction transaction(*this);
  const long long affected = transaction.execute(sql);
  transaction.commit();
  return affected;
}

}  // namespace fb
