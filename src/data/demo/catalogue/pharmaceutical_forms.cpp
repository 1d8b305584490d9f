#include "pharmaceutical_forms.h"

namespace demo {

const QStringList &pharmaceuticalForms() {
  static const QStringList forms = [] {
    QStringList list;
    for (const char *name : {"Cápsula", "Comprimido", "Creme", "Emulsão", "Filme oral", "Floral", "Gel",
                             "Gel-creme", "Gotas", "Homeopatia", "Loção", "Pasta", "Pomada", "Pó", "Sabonete",
                             "Sachê", "Shampoo", "Solução oral", "Solução tópica", "Spray", "Supositório",
                             "Suspensão", "Sérum", "Tintura", "Xarope", "Óvulo"})
      list << QString::fromUtf8(name);
    return list;
  }();
  return forms;
}

}  // namespace demo
