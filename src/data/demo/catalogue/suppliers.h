#pragma once

#include <QString>
#include <vector>

namespace demo {

struct Supplier {
  int code;
  QString tradeName;    // NOMEFANTASIA; purchases name the supplier by it
  QString companyName;
  QString cnpj;         // formatted, with valid check digits
  QString phone;
  QString city;
  QString state;
};

const std::vector<Supplier> &packagingSuppliers();
const std::vector<Supplier> &rawMaterialSuppliers();

}  // namespace demo
