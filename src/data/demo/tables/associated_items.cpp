#include "associated_items.h"

#include "packaging_kinds.h"
#include "prepared_insert.h"
#include "seeded_random.h"

#include <map>

namespace demo {
namespace {

// SUBSTANCIA holds 40 characters, and the screen finds an associated item by
// its whole description: longer descriptions could never be matched.
constexpr int kDescriptionWidth = 40;

std::map<QString, std::vector<const DemoComponent *>> accessoriesByKind(const std::vector<DemoComponent> &components) {
  std::map<QString, std::vector<const DemoComponent *>> byKind;
  for (const DemoComponent &item : components)
    if (item.isPackaging() && item.description.size() <= kDescriptionWidth)
      byKind[packagingKinds()[std::size_t(item.catalogueLine)].name].push_back(&item);
  return byKind;
}

}  // namespace

void writeAssociatedItems(fb::Transaction &transaction, const std::vector<DemoComponent> &components) {
  SeededRandom random(1004);
  const auto accessories = accessoriesByKind(components);
  PreparedInsert rows(transaction, QStringLiteral("ITENSASS"),
                   {QStringLiteral("SUBSTANCIA"), QStringLiteral("CODIGOCOMP"), QStringLiteral("QUANTIDADE"),
                    QStringLiteral("UNIDADE"), QStringLiteral("APLICARSOBRE"), QStringLiteral("CODIGODOITEMASS")});
  for (const DemoComponent &item : components) {
    if (!item.isPackaging() || !random.percent(60)) continue;
    // One accessory of each usual kind at most, so no description repeats within an item.
    for (const QString &accessoryKind : packagingKinds()[std::size_t(item.catalogueLine)].accessories) {
      const auto found = accessories.find(accessoryKind);
      if (found == accessories.end() || !random.percent(70)) continue;
      const DemoComponent &accessory = *random.pick(found->second);
      rows.add({accessory.description, item.code, fb::Decimal{100, 2}, accessory.unit,
                QStringLiteral("Componente"), accessory.code});
    }
  }
}

}  // namespace demo
