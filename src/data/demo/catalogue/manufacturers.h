#pragma once

#include <QString>
#include <vector>

namespace demo {

// Manufacturers (table FABRIC; COMPONEN.FABRICANTE names them).
struct Manufacturer {
  int code;
  QString name;
  QString companyName;
  QString city;
  QString state;
  QString phone;
  QString contact;
  bool makesPackaging;
};

const std::vector<Manufacturer> &manufacturers();

}  // namespace demo
