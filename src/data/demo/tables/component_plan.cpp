#include "component_plan.h"

#include "other_components.h"
#include "packaging_kinds.h"
#include "pricing.h"
#include "seeded_random.h"
#include "suppliers.h"

namespace demo {
namespace {

constexpr int kCodeDigits = 6;
const std::vector<int> kMultipliers = {200, 250, 280, 300, 350};

struct PackagingChoice {
  int kind;
  int size;
  int variant;
};

// Round robin over the kinds, so that a small demo still shows every kind.
std::vector<PackagingChoice> packagingChoices() {
  const auto &kinds = packagingKinds();
  std::vector<std::vector<PackagingChoice>> perKind(kinds.size());
  for (int k = 0; k < int(kinds.size()); ++k)
    for (int v = 0; v < int(kinds[std::size_t(k)].variants.size()); ++v)
      for (int s = 0; s < int(kinds[std::size_t(k)].sizes.size()); ++s) perKind[std::size_t(k)].push_back({k, s, v});

  std::vector<PackagingChoice> order;
  for (std::size_t round = 0;; ++round) {
    const std::size_t before = order.size();
    for (const auto &choices : perKind)
      if (round < choices.size()) order.push_back(choices[round]);
    if (order.size() == before) return order;
  }
}

QString packagingDescription(const PackagingKind &kind, const PackagingChoice &choice) {
  QString description = kind.name + u' ' + kind.sizes[choice.size].label;
  const QString &variant = kind.variants[choice.variant];
  if (!variant.isEmpty()) description += u' ' + variant;
  return description;
}

// Costs whose price would fall exactly halfway are moved by 0.0001 R$.
std::int64_t costWithoutTie(std::int64_t cost, int multiplier, int divisor) {
  while (priceIsATie(cost, multiplier, divisor)) ++cost;
  return cost;
}

DemoComponent packagingItem(int ordinal, const std::vector<PackagingChoice> &choices, SeededRandom &random) {
  const PackagingChoice &choice = choices[std::size_t(ordinal) % choices.size()];
  const PackagingKind &kind = packagingKinds()[std::size_t(choice.kind)];
  const int repetition = ordinal / int(choices.size());
  const int multiplier = random.pick(kMultipliers);
  // Costs vary a little from the list price, as lots and sources do.
  const std::int64_t listed = kind.firstSizeCost + std::int64_t(choice.size) * kind.costStepPerSize;
  const std::int64_t cost = listed + listed * random.between(0, 8) / 100;
  DemoComponent item;
  item.description = repeatedDescription(packagingDescription(kind, choice), repetition);
  item.group = QStringLiteral("EMB");
  item.unit = kind.unit;
  item.multiplier = multiplier;
  item.divisor = kind.divisor;
  item.cost = costWithoutTie(cost, multiplier, kind.divisor);
  item.supplier = random.pick(packagingSuppliers()).tradeName;
  item.catalogueLine = choice.kind;
  item.sizeIndex = choice.size;
  item.variantIndex = choice.variant;
  item.repetition = repetition;
  return item;
}

DemoComponent otherItem(int ordinal, SeededRandom &random) {
  const auto &lines = otherComponents();
  const int line = ordinal % int(lines.size());
  const OtherComponent &source = lines[std::size_t(line)];
  const int repetition = ordinal / int(lines.size());
  const int multiplier = random.pick(kMultipliers);
  const std::int64_t cost = source.cost + source.cost * random.between(0, 12) / 100;
  DemoComponent item;
  item.description = repeatedDescription(source.description, repetition);
  item.group = source.group;
  item.unit = source.unit;
  item.multiplier = multiplier;
  item.divisor = 1;
  item.cost = costWithoutTie(cost, multiplier, 1);
  item.supplier = random.pick(rawMaterialSuppliers()).tradeName;
  item.catalogueLine = line;
  item.repetition = repetition;
  return item;
}

}  // namespace

QString repeatedDescription(const QString &description, int repetition) {
  return repetition == 0 ? description : QStringLiteral("%1 ref. %2").arg(description).arg(repetition + 1);
}

std::vector<DemoComponent> planComponents(const DemoSize &size) {
  SeededRandom random(20261211);
  const std::vector<PackagingChoice> choices = packagingChoices();
  std::vector<DemoComponent> components;
  components.reserve(std::size_t(size.components));
  int packaging = 0;
  int others = 0;
  for (int i = 0; i < size.components; ++i) {
    // Even spread: row i is packaging when the running share of packaging steps up.
    const bool isPackaging = std::int64_t(i + 1) * size.packaging / size.components >
                             std::int64_t(i) * size.packaging / size.components;
    DemoComponent item = isPackaging ? packagingItem(packaging++, choices, random) : otherItem(others++, random);
    item.code = QString::number(i + 1).rightJustified(kCodeDigits, u'0');
    components.push_back(std::move(item));
  }
  return components;
}

}  // namespace demo
