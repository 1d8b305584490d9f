#include "manufacturers.h"

namespace demo {
namespace {

struct Line {
  const char *name;
  const char *companyName;
  const char *city;
  const char *state;
  const char *phone;
  const char *contact;
  bool makesPackaging;
};

constexpr Line kLines[] = {
    {"Vidraria Anchieta", "Vidraria Anchieta Indústria de Vidros Ltda.", "São Bernardo do Campo", "SP", "(11) 4125-3300", "Márcia Okada", true},
    {"Polipack", "Polipack Transformação de Plásticos Ltda.", "Joinville", "SC", "(47) 3433-9021", "Rogério Baptista", true},
    {"Gelcaps do Brasil", "Gelcaps do Brasil Cápsulas Gelatinosas S.A.", "Sorocaba", "SP", "(15) 3228-4100", "Fernanda Luz", true},
    {"Tubal Alumínio", "Tubal Tubos de Alumínio Ltda.", "Pouso Alegre", "MG", "(35) 3421-7788", "Antônio Ferraz", true},
    {"Sintequímica", "Sintequímica Farmoquímicos Ltda.", "Jacareí", "SP", "(12) 3951-2400", "Dr. Hélio Sampaio", false},
    {"Farmaquímica Norte", "Farmaquímica Norte Indústria S.A.", "Manaus", "AM", "(92) 3613-5500", "Joana D'Arc Lima", false},
    {"Extratos Serra Gaúcha", "Extratos Serra Gaúcha Ltda.", "Bento Gonçalves", "RS", "(54) 3452-1010", "Luís Zanella", false},
};

}  // namespace

const std::vector<Manufacturer> &manufacturers() {
  static const std::vector<Manufacturer> list = [] {
    std::vector<Manufacturer> all;
    int code = 1;
    for (const Line &line : kLines)
      all.push_back({code++, QString::fromUtf8(line.name), QString::fromUtf8(line.companyName),
                     QString::fromUtf8(line.city), QString::fromUtf8(line.state), QString::fromUtf8(line.phone),
                     QString::fromUtf8(line.contact), line.makesPackaging});
    return all;
  }();
  return list;
}

}  // namespace demo
