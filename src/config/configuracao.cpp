#include "configuracao.h"

#include "failures.h"
#include "message_box.h"
#include "program_end.h"
#include "win1252.h"

#include <QFile>
#include <QFileInfo>

namespace configuracao {
namespace {

constexpr int kLabelWidth = 48;
constexpr int kValueStart = 49;  // column 50, counted from 0
constexpr int kValueWidth = 60;

QList<QByteArray> splitLines(const QByteArray &content) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < content.size(); ++i) {
    if (content[i] != '\r' && content[i] != '\n') continue;
    lines << content.mid(start, i - start);
    if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < content.size()) lines << content.mid(start);
  return lines;
}

QByteArray readWholeFile(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("I/O error reading %1: %2").arg(path, file.errorString()));
  QByteArray content = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("I/O error reading %1: %2").arg(path, file.errorString()));
  return content;
}

}  // namespace

QString TiraEspacos(QString text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  return text.mid(begin, end - begin);
}

qint32 LeNumeroInteiro(const QString &text) {
  const auto refuse = [&]() -> qint32 {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
  };
  QStringView digits(text);
  bool negative = false;
  if (!digits.isEmpty() && (digits[0] == u'-' || digits[0] == u'+')) {
    negative = digits[0] == u'-';
    digits = digits.mid(1);
  }
  int base = 10;
  if (digits.startsWith(u'$')) {
    base = 16;
    digits = digits.mid(1);
  } else if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
    base = 16;
    digits = digits.mid(2);
  }
  if (digits.isEmpty() || (base == 16 && digits.size() > 8)) return refuse();
  for (QChar c : digits) {
    const bool valid = base == 10 ? (c >= u'0' && c <= u'9') : QStringLiteral("0123456789abcdefABCDEF").contains(c);
    if (!valid) return refuse();
  }
  bool ok = false;
  const qint64 magnitude = digits.toLongLong(&ok, base);
  if (!ok) return refuse();
  if (base == 16) {
    const quint32 pattern = quint32(magnitude);
    return negative ? qint32(0u - pattern) : qint32(pattern);
  }
  const qint64 value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return refuse();
  return qint32(value);
}

void LeConfiguracao(Configuracao &config, const QString &pastaPrograma) {
  config.PastaPrograma = pastaPrograma;
  const QString path = pastaPrograma + QStringLiteral("VELDORIN.INI");
  if (!QFileInfo(path).isFile()) {
    showMessage(QStringLiteral("Arquivo VELDORIN.INI não encontrado. Execute o programa Brunmeld.exe para criá-lo."));
    endProgramNow(1);
  }
  const QString ipLabel = QLatin1String(kRotuloIpServidor);
  const QString colourLabel = QLatin1String(kRotuloCorDeFundo);
  for (const QByteArray &bytes : splitLines(readWholeFile(path))) {
    const QString line = win1252::decode(bytes);
    if (line.size() < kLabelWidth) continue;
    const QString label = line.left(kLabelWidth);
    const QString value = TiraEspacos(line.mid(kValueStart, kValueWidth));
    if (label == ipLabel)
      config.IpServidor = value;
    else if (label == colourLabel)
      config.CorDeFundo = LeNumeroInteiro(value);
  }
}

}  // namespace configuracao
