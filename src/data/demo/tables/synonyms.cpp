#include "synonyms.h"

#include "other_components.h"
#include "packaging_kinds.h"
#include "prepared_insert.h"

namespace demo {
namespace {

constexpr int kSynonymWidth = 50;  // SINONIMO.APELIDO

// "Frasco ambar 100 ml" is also asked for as "Vidro ambar 100 ml".
QString synonymOf(const DemoComponent &item) {
  if (item.repetition > 0) return {};
  if (!item.isPackaging()) return otherComponents()[std::size_t(item.catalogueLine)].synonym;
  const PackagingKind &kind = packagingKinds()[std::size_t(item.catalogueLine)];
  if (kind.synonym.isEmpty()) return {};
  return kind.synonym + item.description.mid(kind.name.size());
}

}  // namespace

void writeSynonyms(fb::Transaction &transaction, const std::vector<DemoComponent> &components) {
  PreparedInsert rows(transaction, QStringLiteral("SINONIMO"), {QStringLiteral("APELIDO"), QStringLiteral("CODIGO")});
  for (const DemoComponent &item : components) {
    const QString synonym = synonymOf(item);
    if (!synonym.isEmpty() && synonym.size() <= kSynonymWidth) rows.add({synonym, item.code});
  }
}

}  // namespace demo
