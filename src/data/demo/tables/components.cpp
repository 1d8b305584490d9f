#include "components.h"

#include "manufacturers.h"
#include "other_components.h"
#include "packaging_kinds.h"
#include "prepared_insert.h"
#include "pricing.h"
#include "seeded_random.h"

namespace demo {
namespace {

using fb::Decimal;
using fb::Value;

constexpr int kFormsWidth = 60;        // GRUPOPRECO
constexpr int kAbbreviationWidth = 40; // EXCIPIENTE4
const QString kListSeparator = QStringLiteral(", ");

const QStringList kColumns = {
    QStringLiteral("CODIGO"),        QStringLiteral("COMPONENTE"),     QStringLiteral("GRUPO"),
    QStringLiteral("FAMILIA"),       QStringLiteral("UNID"),           QStringLiteral("UNID_VENDA"),
    QStringLiteral("CONTROLADA"),    QStringLiteral("LISTA"),          QStringLiteral("CUSTOUNITR"),
    QStringLiteral("MULTIPLICADOR"), QStringLiteral("DIVISORUNID"),    QStringLiteral("PRECOUS"),
    QStringLiteral("PRECOR"),        QStringLiteral("CUSTOFIXO"),      QStringLiteral("QDEESTOQUE"),
    QStringLiteral("ESTOQUECRITICO"), QStringLiteral("ESTOQUEMAXIMO"), QStringLiteral("FABRICANTE"),
    QStringLiteral("FORNECEDOR"),    QStringLiteral("FATORCORRECAO"),  QStringLiteral("DENSIDADE"),
    QStringLiteral("FATORDILUICAO"), QStringLiteral("USAEXCIPIENTE"),  QStringLiteral("USOCONTINUO"),
    QStringLiteral("GRUPOF"),        QStringLiteral("USAR_FORMPRECO"), QStringLiteral("DOSAGEMMAX"),
    QStringLiteral("CORCAPSULA"),    QStringLiteral("EXCIPIENTE4"),    QStringLiteral("GRUPOPRECO"),
    QStringLiteral("CONDARMAZENA"),  QStringLiteral("FICHATECNICA")};

const Decimal kOne{1, 0};

// The forms a packaging item serves, as many as fit the column, from a random start.
QString formsOf(const PackagingKind &kind, SeededRandom &random) {
  if (kind.forms.isEmpty()) return {};
  const int wanted = random.between(1, int(kind.forms.size()));
  QString joined;
  for (int i = 0; i < wanted; ++i) {
    const QString next = joined.isEmpty() ? kind.forms[i] : joined + kListSeparator + kind.forms[i];
    if (next.size() > kFormsWidth) break;
    joined = next;
  }
  return joined;
}

struct Stock {
  double minimum;
  double maximum;
  double current;
};

Stock stockFor(SeededRandom &random, int smallest, int largest) {
  const double minimum = random.between(smallest, largest);
  const double maximum = minimum * random.between(3, 6);
  return {minimum, maximum, double(random.between(0, int(maximum)))};
}

Value textOrNull(const QString &text) { return text.isEmpty() ? Value() : Value(text); }

QString capitalised(const QString &word) { return word.left(1).toUpper() + word.mid(1); }

const Manufacturer &manufacturerFor(bool packaging, SeededRandom &random) {
  std::vector<const Manufacturer *> candidates;
  for (const Manufacturer &m : manufacturers())
    if (m.makesPackaging == packaging) candidates.push_back(&m);
  return *random.pick(candidates);
}

std::vector<Value> packagingRow(const DemoComponent &item, SeededRandom &random) {
  const PackagingKind &kind = packagingKinds()[std::size_t(item.catalogueLine)];
  const PackagingSize &size = kind.sizes[item.sizeIndex];
  const QString &variant = kind.variants[item.variantIndex];
  // Bought by the thousand, sold by the unit: the limits count purchase units.
  const Stock stock = kind.divisor > 1 ? stockFor(random, 2, 20) : stockFor(random, 50, 1500);
  const QString abbreviation = (kind.abbreviation + u' ' + size.label.toUpper()).left(kAbbreviationWidth);
  return {item.code, item.description, item.group,
          QStringLiteral("Embalagens"), item.unit, QStringLiteral("un"),
          QStringLiteral("Não"), Value(),
          Decimal{item.cost, 4}, Decimal{item.multiplier, 2}, Decimal{item.divisor, 0}, Decimal{0, 0},
          Decimal{salePrice(item.cost, item.multiplier, item.divisor), 4}, Decimal{random.between(0, 3000), 4},
          stock.current, stock.minimum, stock.maximum,
          manufacturerFor(true, random).name, item.supplier,
          kOne, kOne, kOne,
          QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("S"),
          size.volume ? Value(*size.volume) : Value(),
          kind.variantIsCapsuleColour ? Value(capitalised(variant)) : Value(),
          abbreviation, textOrNull(formsOf(kind, random)),
          QStringLiteral("Local seco e arejado, ao abrigo da luz e do pó"),
          kind.sheet.arg(size.label)};
}

std::vector<Value> otherRow(const DemoComponent &item, SeededRandom &random) {
  const OtherComponent &source = otherComponents()[std::size_t(item.catalogueLine)];
  const bool liquid = item.unit == QLatin1String("ml");
  const Stock stock = stockFor(random, 20, 1000);
  const bool controlled = !source.lista.isEmpty();
  // A quarter of the raw materials carry the supplier's technical sheet.
  const Value sheet = random.percent(25)
                          ? Value(QStringLiteral("%1 de grau farmacêutico. Laudo de análise do fornecedor arquivado "
                                                 "no controle de qualidade; conferir teor e validade a cada lote.")
                                      .arg(source.description))
                          : Value();
  return {item.code, item.description, item.group,
          source.family, item.unit, item.unit,
          controlled ? QStringLiteral("Sim") : QStringLiteral("Não"), textOrNull(source.lista),
          Decimal{item.cost, 4}, Decimal{item.multiplier, 2}, Decimal{item.divisor, 0}, Decimal{0, 0},
          Decimal{salePrice(item.cost, item.multiplier, item.divisor), 4}, Value(),
          stock.current, stock.minimum, stock.maximum,
          manufacturerFor(false, random).name, item.supplier,
          kOne, liquid ? Value(Decimal{random.between(85, 125), 2}) : Value(kOne), kOne,
          QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("N"),
          QStringLiteral("S"),
          Value(), Value(), Value(), Value(),
          QStringLiteral("Conservar entre 15 °C e 30 °C, em recipiente bem fechado, ao abrigo da luz e da umidade"),
          sheet};
}

}  // namespace

void writeComponents(fb::Transaction &transaction, const std::vector<DemoComponent> &components) {
  SeededRandom random(1001);
  PreparedInsert rows(transaction, QStringLiteral("COMPONEN"), kColumns);
  for (const DemoComponent &item : components)
    rows.add(item.isPackaging() ? packagingRow(item, random) : otherRow(item, random));
}

}  // namespace demo
