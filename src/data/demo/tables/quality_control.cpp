#include "quality_control.h"

#include "packaging_kinds.h"
#include "prepared_insert.h"
#include "seeded_random.h"

#include <map>

namespace demo {
namespace {

// Quality-test numbers of one packaging kind: its general tests, and the
// capacity test of each of its sizes (-1 where a size has no volume).
struct KindQualityTests {
  std::vector<int> general;
  std::vector<int> perSize;
};

QualityTest capacityTest(const PackagingKind &kind, const PackagingSize &size) {
  const QString volume = size.volume->toString(u',');
  if (kind.variantIsCapsuleColour)
    return {QStringLiteral("Tamanho"), QStringLiteral("Cápsula %1, volume interno de %2 ml").arg(size.label, volume)};
  return {QStringLiteral("Capacidade volumétrica"),
          QStringLiteral("%1 ml ± 3% até a boca, com água a 20 °C").arg(volume)};
}

std::vector<KindQualityTests> writeQualityTests(fb::Transaction &transaction) {
  PreparedInsert rows(transaction, QStringLiteral("ESPECIFICACOES"),
                   {QStringLiteral("CODIGOESPEC"), QStringLiteral("ENSAIO"), QStringLiteral("ESPECIFICACAO")});
  std::vector<KindQualityTests> numbers;
  int next = 1;
  auto add = [&](const QualityTest &test) {
    rows.add({next, test.ensaio, test.especificacao});
    return next++;
  };
  for (const PackagingKind &kind : packagingKinds()) {
    KindQualityTests kindNumbers;
    for (const QualityTest &test : kind.tests) kindNumbers.general.push_back(add(test));
    for (const PackagingSize &size : kind.sizes)
      kindNumbers.perSize.push_back(size.volume ? add(capacityTest(kind, size)) : -1);
    numbers.push_back(std::move(kindNumbers));
  }
  return numbers;
}

}  // namespace

void writeQualityControl(fb::Transaction &transaction, const std::vector<DemoComponent> &components) {
  const std::vector<KindQualityTests> qualityTests = writeQualityTests(transaction);
  SeededRandom random(1005);
  PreparedInsert links(transaction, QStringLiteral("ENSAIOS"), {QStringLiteral("CODIGOCOMP"), QStringLiteral("CODIGOESPEC")});
  for (const DemoComponent &item : components) {
    // Some items have not been through quality control yet.
    if (!item.isPackaging() || random.percent(20)) continue;
    const KindQualityTests &kind = qualityTests[std::size_t(item.catalogueLine)];
    for (int number : kind.general)
      if (random.percent(85)) links.add({item.code, number});
    const int capacity = kind.perSize[std::size_t(item.sizeIndex)];
    if (capacity >= 0) links.add({item.code, capacity});
  }
}

}  // namespace demo
