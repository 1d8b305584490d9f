// The register's start-up, from process start to the login panel shown.
#include "aplicacao.h"
#include "crashreport/core/crashnote.h"
#include "inicializacao.h"
#include "painel_login.h"
#include "shown_marker.h"

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  crashnote::startUp();  // as the program's own entry does
  Aplicacao app(argc, argv);
  const auto objetos = criaObjetosDoPrograma(QString::fromLocal8Bit(argv[1]));
  ShownMarker marker(objetos->FormCadCaps.PainelLogin);
  objetos->FormCadCaps.show();
  return app.exec();
}
