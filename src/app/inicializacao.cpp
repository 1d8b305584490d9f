#include "inicializacao.h"

#include "aplicacao.h"
#include "dm.h"
#include "dm2.h"
#include "form2.h"
#include "form_cad_caps.h"
#include "tratamento_falhas.h"

int executaPrograma(int argc, char **argv) {
  Aplicacao app(argc, argv);

  // A failure in a creation step goes to the general handling, and the
  // start-up goes on with the next object; the settings file must be read
  // before either connection opens.
  TFormCadCaps FormCadCaps;
  executaProtegido([&] { FormCadCaps.FormCreate(); });
  TDM DM;
  executaProtegido([&] { DM.DataModuleCreate(FormCadCaps.config.IpServidor); });
  TForm2 Form2(&FormCadCaps);
  TDM2 DM2;
  executaProtegido([&] { DM2.DataModuleCreate(FormCadCaps.config.IpServidor); });
  FormCadCaps.defineModulosDeDados(&DM, &DM2);

  FormCadCaps.show();
  return app.exec();
}
