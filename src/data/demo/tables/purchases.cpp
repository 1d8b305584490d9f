#include "purchases.h"

#include "ascii_case.h"
#include "prepared_insert.h"
#include "seeded_random.h"
#include "suppliers.h"

#include <algorithm>
#include <map>
#include <QDateTime>

namespace demo {
namespace {

using fb::Decimal;

const QDate kFirstPurchase(2025, 1, 6);
constexpr int kPurchaseDays = 690;
constexpr int kItemsPerInvoice = 3;  // on average; sets how many invoices a demo gets
const std::vector<QString> kStores = {QStringLiteral("Matriz"), QStringLiteral("Filial Centro"),
                                      QStringLiteral("Filial Shopping")};

void writeSuppliers(fb::Transaction &transaction) {
  PreparedInsert rows(transaction, QStringLiteral("FORNECED"),
                   {QStringLiteral("CODIGO"), QStringLiteral("NOMEFANTASIA"), QStringLiteral("RAZAOSOCIAL"),
                    QStringLiteral("CNPJ"), QStringLiteral("TEL"), QStringLiteral("CIDADE"), QStringLiteral("UF")});
  for (const auto *list : {&packagingSuppliers(), &rawMaterialSuppliers()})
    for (const Supplier &s : *list) rows.add({s.code, s.tradeName, s.companyName, s.cnpj, s.phone, s.city, s.state});
}

class InvoiceWriter {
 public:
  explicit InvoiceWriter(fb::Transaction &transaction)
      : invoices_(transaction, QStringLiteral("NFISCAL"),
                  {QStringLiteral("NOTAFISCAL"), QStringLiteral("FORNECEDOR"), QStringLiteral("DATA"),
                   QStringLiteral("VALORTOTAL")}),
        purchases_(transaction, QStringLiteral("COMPRAS"),
                   {QStringLiteral("COMPONENTE"), QStringLiteral("LABORATORIO"), QStringLiteral("NOTAFISCAL"),
                    QStringLiteral("FORNECEDOR"), QStringLiteral("DATA"), QStringLiteral("QUANTIDADE"),
                    QStringLiteral("UNIDADE"), QStringLiteral("PRECOUNITR"), QStringLiteral("SALDO")}) {}

  // Invoices from the suppliers of `items`, each with a few of that supplier's items.
  void writeInvoices(const std::vector<const DemoComponent *> &items, SeededRandom &random) {
    std::map<QString, std::vector<const DemoComponent *>> bySupplier;
    for (const DemoComponent *item : items) bySupplier[item->supplier].push_back(item);
    std::vector<const std::vector<const DemoComponent *> *> supplierItems;
    for (const auto &entry : bySupplier) supplierItems.push_back(&entry.second);

    const int count = (int(items.size()) + kItemsPerInvoice - 1) / kItemsPerInvoice;
    for (int i = 0; i < count; ++i) writeInvoice(*random.pick(supplierItems), random);
  }

 private:
  void writeInvoice(const std::vector<const DemoComponent *> &offered, SeededRandom &random) {
    const QString number = QString::number(++lastNumber_).rightJustified(6, u'0');
    const QString supplier = offered.front()->supplier;
    const QDateTime date(kFirstPurchase.addDays(random.below(kPurchaseDays)), QTime(0, 0));
    const QString store = random.pick(kStores);

    std::vector<const DemoComponent *> lines;
    const int wanted = random.between(1, 2 * kItemsPerInvoice - 1);
    for (int attempt = 0; attempt < wanted; ++attempt) {
      const DemoComponent *item = random.pick(offered);
      if (std::find(lines.begin(), lines.end(), item) == lines.end()) lines.push_back(item);
    }

    std::int64_t total = 0;  // 0.0001 R$
    for (const DemoComponent *item : lines) {
      // Capsules come by the thousand, everything else by the box.
      const std::int64_t quantity = item->divisor > 1 ? random.between(1, 20) : 50 * random.between(1, 40);
      const std::int64_t price = item->cost * random.between(95, 105) / 100;
      total += quantity * price;
      purchases_.add({maiusculasAZ(item->description), store, number, supplier, date, double(quantity), item->unit,
                      Decimal{price, 4}, Decimal{quantity * price, 4}});
    }
    invoices_.add({number, supplier, date, Decimal{(total + 50) / 100, 2}});
  }

  PreparedInsert invoices_;
  PreparedInsert purchases_;
  int lastNumber_ = 0;
};

}  // namespace

void writePurchases(fb::Transaction &transaction, const std::vector<DemoComponent> &components) {
  writeSuppliers(transaction);

  std::vector<const DemoComponent *> packaging;
  std::vector<const DemoComponent *> others;
  for (const DemoComponent &item : components) (item.isPackaging() ? packaging : others).push_back(&item);

  SeededRandom random(1006);
  InvoiceWriter writer(transaction);
  writer.writeInvoices(packaging, random);
  writer.writeInvoices(others, random);
}

}  // namespace demo
