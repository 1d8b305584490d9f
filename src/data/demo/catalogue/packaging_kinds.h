#pragma once

#include "value.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace demo {

struct PackagingSize {
  QString label;                  // as it appears in the description: "100 ml", "n. 0"
  std::optional<fb::Decimal> volume;  // millilitres; none for caps, labels and the like
};

struct QualityTest {
  QString ensaio;
  QString especificacao;
};

// One line of the pharmacy's packaging catalogue: every size and variant of it
// becomes an item of group EMB.
struct PackagingKind {
  QString name;            // start of the description, already in the stored normal form
  QString abbreviation;    // start of the abbreviated description, as printed on labels
  QList<PackagingSize> sizes;
  QStringList variants;    // appended after the size; an empty one is the plain item
  QStringList forms;       // pharmaceutical forms it serves, names of FORMAFAR
  QString sheet;           // technical sheet; %1 stands for the size
  int firstSizeCost;       // unit cost of the first size listed, in 0.0001 R$
  int costStepPerSize;     // added for each following size, in 0.0001 R$
  QString unit;            // purchase unit
  int divisor;             // purchase units per sale unit
  QList<QualityTest> tests;
  QString synonym;         // what the counter staff call it instead of `name`
  QStringList accessories; // names of other kinds usually sold with it
  bool variantIsCapsuleColour = false;
};

const std::vector<PackagingKind> &packagingKinds();

}  // namespace demo
