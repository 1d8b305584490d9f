#include "caminho_gds.h"

#include "client_library.h"
#include "failures.h"
#include "win1252.h"

#include <QFile>

namespace {
constexpr int kMaxFolderLength = 100;
}

QString bibliotecaClienteDe(const QString &caminhoGdsFile) {
  QFile file(caminhoGdsFile);
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("I/O error reading %1: %2").arg(caminhoGdsFile, file.errorString()));
  QByteArray firstLine = file.readLine();
  while (firstLine.endsWith('\n') || firstLine.endsWith('\r')) firstLine.chop(1);
  const qsizetype carriageReturn = firstLine.indexOf('\r');
  if (carriageReturn >= 0) firstLine.truncate(carriageReturn);

  QString folder = win1252::decode(firstLine).left(kMaxFolderLength);
  if (folder.isEmpty()) return {};
  if (!folder.endsWith(u'/') && folder.size() < kMaxFolderLength) folder += u'/';
  return folder + QLatin1String(fb::ClientLibrary::kDefaultName);
}
