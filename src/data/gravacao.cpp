#include "gravacao.h"

#include "client_dataset.h"
#include "message_box.h"

namespace {

// Each new try answers one more workstation that took the code first.
constexpr int kTentativasDeCorrecao = 5;

QString motivoDaRecusa(const ds::ClientDataSet &dataSet) {
  for (const ds::Change &change : dataSet.changeLog().changes())
    if (!change.failure.isEmpty()) return change.failure;
  return {};
}

}  // namespace

void gravaAlteracoes(ds::ClientDataSet &dataSet, int maxErrors, const std::function<bool()> &corrigeRecusa) {
  for (int tentativa = 0;; ++tentativa) {
    dataSet.applyUpdates(maxErrors);
    if (dataSet.changeCount() == 0) break;
    if (tentativa < kTentativasDeCorrecao && corrigeRecusa && corrigeRecusa()) continue;
    showMessage(QStringLiteral("Não foi possível gravar no banco de dados e a alteração foi descartada.\n") +
                motivoDaRecusa(dataSet));
    dataSet.cancelUpdates();
    return;
  }
  dataSet.refresh();
}
