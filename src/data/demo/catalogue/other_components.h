#pragma once

#include <QString>
#include <vector>

namespace demo {

// Raw materials and the other groups of the register that packaging items
// live among: matérias-primas (MP), excipientes (EXC), essências (ESS) and
// fitoterápicos (FIT).
struct OtherComponent {
  QString description;  // already in the stored normal form
  QString group;
  QString family;
  QString unit;
  int cost;             // per unit, in 0.0001 R$
  QString lista;        // list of controlled substances; empty when not controlled
  QString synonym;      // another name it is asked for by, in normal form; may be empty
};

const std::vector<OtherComponent> &otherComponents();

}  // namespace demo
