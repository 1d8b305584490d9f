#include "suppliers.h"

namespace demo {
namespace {

struct Line {
  const char *tradeName;
  const char *companyName;
  const char *cnpjBase;
  const char *phone;
  const char *city;
  const char *state;
};

constexpr Line kPackaging[] = {
    {"Vidrolar Embalagens", "Vidrolar Indústria e Comércio de Embalagens Ltda.", "123456780001", "(11) 4461-2200", "São Paulo", "SP"},
    {"Plastifarma", "Plastifarma Embalagens Plásticas Ltda.", "234567890001", "(19) 3254-8810", "Campinas", "SP"},
    {"Capsulas Paraná", "Cápsulas do Paraná Indústria Farmacêutica S.A.", "345678900001", "(41) 3362-4470", "Curitiba", "PR"},
    {"Alumitubo", "Alumitubo Bisnagas de Alumínio Ltda.", "456789010001", "(31) 3491-0055", "Belo Horizonte", "MG"},
    {"Embalaminas", "Embalaminas Distribuidora de Embalagens Eireli", "567890120001", "(31) 3075-6612", "Contagem", "MG"},
    {"Frascobras", "Frascobras Comércio de Frascos e Tampas Ltda.", "678901230001", "(21) 2590-3344", "Rio de Janeiro", "RJ"},
};

constexpr Line kRawMaterials[] = {
    {"Quimiforte", "Quimiforte Insumos Farmacêuticos Ltda.", "789012340001", "(11) 5084-7700", "Diadema", "SP"},
    {"Botica Insumos", "Botica Comércio de Insumos para Farmácias Ltda.", "890123450001", "(51) 3342-1900", "Porto Alegre", "RS"},
    {"Natuflora Extratos", "Natuflora Extratos Vegetais S.A.", "901234560001", "(48) 3223-5120", "Florianópolis", "SC"},
    {"Aromas do Sul", "Aromas do Sul Essências e Fragrâncias Ltda.", "012345670001", "(54) 3021-6688", "Caxias do Sul", "RS"},
};

int checkDigit(const QString &digits) {
  // Weights run 2..9 from the right, starting again after 9.
  int sum = 0;
  int weight = 2;
  for (qsizetype i = digits.size() - 1; i >= 0; --i) {
    sum += digits[i].digitValue() * weight;
    weight = weight == 9 ? 2 : weight + 1;
  }
  const int rest = sum % 11;
  return rest < 2 ? 0 : 11 - rest;
}

// The first twelve digits of a CNPJ, formatted with their two check digits.
QString cnpjWithCheckDigits(const QString &twelveDigits) {
  QString digits = twelveDigits;
  digits += QString::number(checkDigit(digits));
  digits += QString::number(checkDigit(digits));
  return QStringLiteral("%1.%2.%3/%4-%5")
      .arg(digits.mid(0, 2), digits.mid(2, 3), digits.mid(5, 3), digits.mid(8, 4), digits.mid(12, 2));
}

std::vector<Supplier> makeSuppliers(const auto &lines, int firstCode) {
  std::vector<Supplier> suppliers;
  int code = firstCode;
  for (const Line &line : lines)
    suppliers.push_back({code++, QString::fromUtf8(line.tradeName), QString::fromUtf8(line.companyName),
                         cnpjWithCheckDigits(QString::fromLatin1(line.cnpjBase)), QString::fromUtf8(line.phone),
                         QString::fromUtf8(line.city), QString::fromUtf8(line.state)});
  return suppliers;
}

}  // namespace

const std::vector<Supplier> &packagingSuppliers() {
  static const std::vector<Supplier> suppliers = makeSuppliers(kPackaging, 1);
  return suppliers;
}

const std::vector<Supplier> &rawMaterialSuppliers() {
  static const std::vector<Supplier> suppliers = makeSuppliers(kRawMaterials, 101);
  return suppliers;
}

}  // namespace demo
