#include "dm.h"

#include "texto_sql.h"

#include <QRegularExpression>
#include <utility>

namespace {

constexpr int kMaiorCodigo = 999999;

// Optional leading blanks, an optional sign, then decimal digits only.
int inteiroOuZero(const QString &texto) {
  static const QRegularExpression inteiro(QStringLiteral("^ *[+-]?[0-9]+$"));
  if (!inteiro.match(texto).hasMatch()) return 0;
  bool ok = false;
  const int valor = texto.trimmed().toInt(&ok);
  return ok ? valor : 0;
}

// Lets the data module change a stored row without running the rules meant
// for the user's own edits and moves.
class EventosSuspensos {
 public:
  explicit EventosSuspensos(ds::ClientDataSet &dataSet)
      : dataSet_(dataSet),
        beforeEdit_(std::exchange(dataSet.beforeEdit, {})),
        beforePost_(std::exchange(dataSet.beforePost, {})),
        afterPost_(std::exchange(dataSet.afterPost, {})),
        afterScroll_(std::exchange(dataSet.afterScroll, {})) {}
  ~EventosSuspensos() {
    dataSet_.beforeEdit = std::move(beforeEdit_);
    dataSet_.beforePost = std::move(beforePost_);
    dataSet_.afterPost = std::move(afterPost_);
    dataSet_.afterScroll = std::move(afterScroll_);
  }
  EventosSuspensos(const EventosSuspensos &) = delete;
  EventosSuspensos &operator=(const EventosSuspensos &) = delete;

 private:
  ds::ClientDataSet &dataSet_;
  ds::ClientDataSet::Event beforeEdit_, beforePost_, afterPost_, afterScroll_;
};

}  // namespace

int TDM::UltimoCodigo() {
  SQLQuery1.close();
  SQLQuery1.setSql(QStringLiteral("select Max(CODIGO) as UltCod from Componen"));
  SQLQuery1.open();
  return inteiroOuZero(SQLQuery1.fieldByName(u"UltCod").asString());
}

// Past 999999 the text order of the codes no longer finds the largest, so
// further codes would repeat: the six digits are the limit.
std::optional<QString> TDM::proximoCodigo() {
  const int ultimo = UltimoCodigo();
  if (ultimo >= kMaiorCodigo) return std::nullopt;
  return QString::number(ultimo + 1).rightJustified(6, u'0');
}

bool TDM::codigoEmUso(const QString &codigo) {
  SQLQuery1.close();
  SQLQuery1.setSql(QStringLiteral("select count(*) as Qtde from Componen where CODIGO = ") + literalSql(codigo));
  SQLQuery1.open();
  return SQLQuery1.fieldByName(u"Qtde").asInteger() > 0;
}

bool TDM::renumeraInclusaoRecusada() {
  const int indiceCodigo = Componentes.fieldByName(u"CODIGO").index();
  for (const ds::Change &change : Componentes.changeLog().changes()) {
    if (change.kind != ds::ChangeKind::Insert || change.failure.isEmpty()) continue;
    const QString codigo = change.current[indiceCodigo].toString();
    if (!codigoEmUso(codigo)) return false;
    const std::optional<QString> novo = proximoCodigo();
    if (!novo || *novo == codigo) return false;
    {
      EventosSuspensos suspensos(Componentes);
      if (!Componentes.locate(u"CODIGO", codigo)) return false;
      Componentes.edit();
      Componentes.fieldByName(u"CODIGO").setAsString(*novo);
      Componentes.post();
    }
    // The associated list follows the item under its new code.
    ComponentesAfterScroll();
    return true;
  }
  return false;
}
