#include "client_library.h"

#include "database_error.h"
#include "win1252.h"

#include <dlfcn.h>

#include <QStringList>

namespace fb {

std::shared_ptr<const ClientLibrary> ClientLibrary::load(const QString &path) {
  const QByteArray file = path.isEmpty() ? QByteArray(kDefaultName) : path.toLocal8Bit();
  std::shared_ptr<ClientLibrary> library(new ClientLibrary);
  library->handle_ = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
  if (!library->handle_)
    throw EDatabaseError(QStringLiteral("Unable to load the database client library %1: %2")
                             .arg(QString::fromLocal8Bit(file), QString::fromLocal8Bit(dlerror())));

  auto resolve = [&](auto &entry, const char *name) {
    entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(dlsym(library->handle_, name));
    if (!entry)
      throw EDatabaseError(QStringLiteral("The database client library %1 has no entry point %2")
                               .arg(QString::fromLocal8Bit(file), QLatin1String(name)));
  };
  resolve(library->attachDatabase, "isc_attach_database");
  resolve(library->detachDatabase, "isc_detach_database");
  resolve(library->startMultiple, "isc_start_multiple");
  resolve(library->commitTransaction, "isc_commit_transaction");
  resolve(library->rollbackTransaction, "isc_rollback_transaction");
  resolve(library->allocateStatement, "isc_dsql_allocate_statement");
  resolve(library->prepare, "isc_dsql_prepare");
  resolve(library->describeBind, "isc_dsql_describe_bind");
  resolve(library->execute2, "isc_dsql_execute2");
  resolve(library->executeImmediate, "isc_dsql_execute_immediate");
  resolve(library->fetch, "isc_dsql_fetch");
  resolve(library->freeStatement, "isc_dsql_free_statement");
  resolve(library->sqlInfo, "isc_dsql_sql_info");
  resolve(library->openBlob, "isc_open_blob2");
  resolve(library->createBlob, "isc_create_blob2");
  resolve(library->getSegment, "isc_get_segment");
  resolve(library->putSegment, "isc_put_segment");
  resolve(library->closeBlob, "isc_close_blob");
  resolve(library->interpret, "fb_interpret");
  resolve(library->sqlCode, "isc_sqlcode");
  return library;
}

ClientLibrary::~ClientLibrary() {
  // The library keeps threads and plugins of its own; unloading it while the
  // process runs is not safe, so it stays mapped until the process ends.
}

void ClientLibrary::raise(const ISC_STATUS *status) const {
  QStringList lines;
  const ISC_STATUS *cursor = status;
  char buffer[1024];
  while (interpret(buffer, sizeof buffer, &cursor) > 0) lines << win1252::decode(buffer);
  throw EDatabaseError(lines.join(u'\n'), sqlCode(status));
}

void ClientLibrary::check(const ISC_STATUS *status) const {
  if (status[0] == 1 && status[1] != 0) raise(status);
}

}  // namespace fb
