#include "reference_tables.h"

#include "manufacturers.h"
#include "pharmaceutical_forms.h"
#include "prepared_insert.h"
#include "transaction.h"

#include <QDateTime>

namespace demo {
namespace {

void writeForms(fb::Transaction &transaction) {
  PreparedInsert rows(transaction, QStringLiteral("FORMAFAR"), {QStringLiteral("FORMAFARMA")});
  for (const QString &form : pharmaceuticalForms()) rows.add({form});
}

void writeManufacturers(fb::Transaction &transaction) {
  PreparedInsert rows(transaction, QStringLiteral("FABRIC"),
                   {QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("RAZAOSOCIAL"),
                    QStringLiteral("CIDADE"), QStringLiteral("UF"), QStringLiteral("TEL"), QStringLiteral("CONTATO"),
                    QStringLiteral("OBS"), QStringLiteral("DATACADASTRO")});
  const QDateTime registered(QDate(2019, 3, 4), QTime(9, 30));
  for (const Manufacturer &m : manufacturers())
    rows.add({m.code, m.name, m.companyName, m.city, m.state, m.phone, m.contact,
              m.makesPackaging ? QStringLiteral("Fabricante de embalagens primárias")
                               : QStringLiteral("Fabricante de insumos farmacêuticos"),
              registered.addDays(m.code * 97)});
}

void writeDollarRate(fb::Transaction &transaction) {
  transaction.execute(QStringLiteral("insert into COTDOLAR (COTDOLAR) values (?)"), {fb::Decimal{537, 2}});
}

}  // namespace

void writeReferenceTables(fb::Transaction &transaction) {
  writeForms(transaction);
  writeManufacturers(transaction);
  writeDollarRate(transaction);
}

}  // namespace demo
