#include "inicializacao.h"

#include "aplicacao.h"
#include "folders.h"
#include "termination_signals.h"
#include "tratamento_falhas.h"

std::unique_ptr<ObjetosDoPrograma> criaObjetosDoPrograma(const QString &pastaPrograma) {
  auto objetos = std::make_unique<ObjetosDoPrograma>();
  executaProtegido([&] { objetos->FormCadCaps.FormCreate(pastaPrograma); });
  executaProtegido([&] { objetos->DM.DataModuleCreate(objetos->FormCadCaps.config.IpServidor); });
  executaProtegido([&] { objetos->DM2.DataModuleCreate(objetos->FormCadCaps.config.IpServidor); });
  objetos->FormCadCaps.defineModulosDeDados(&objetos->DM, &objetos->DM2);
  return objetos;
}

int executaPrograma(int argc, char **argv) {
  Aplicacao app(argc, argv);
  const auto objetos = criaObjetosDoPrograma(programFolder());
  closeOnTerminationSignals(&objetos->FormCadCaps);
  objetos->FormCadCaps.show();
  return app.exec();
}
