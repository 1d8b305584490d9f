#pragma once

#include "demo_size.h"

#include <cstdint>
#include <QString>
#include <vector>

namespace demo {

// One row of COMPONEN as the other tables of the demo need to know it.
struct DemoComponent {
  QString code;          // six digits with leading zeros
  QString description;   // in the stored normal form
  QString group;
  QString unit;
  std::int64_t cost;     // 0.0001 R$
  int multiplier;        // hundredths
  int divisor;
  QString supplier;      // trade name of its usual supplier
  int catalogueLine;     // index into packagingKinds() for EMB, into otherComponents() otherwise
  int sizeIndex = 0;     // packaging only
  int variantIndex = 0;  // packaging only
  int repetition = 0;    // how many times the catalogue line was used before this row

  bool isPackaging() const { return group == QLatin1String("EMB"); }
};

// The whole register: one code sequence for all groups, packaging items
// spread evenly among the others, every packaging kind early in the list.
std::vector<DemoComponent> planComponents(const DemoSize &size);

// The description the catalogue gives a line on its n-th use.
QString repeatedDescription(const QString &description, int repetition);

}  // namespace demo
