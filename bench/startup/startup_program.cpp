// The register's start-up, from process start to the login panel shown.
#include "aplicacao.h"
#include "inicializacao.h"
#include "painel_login.h"
#include "shown_marker.h"

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  Aplicacao app(argc, argv);
  const auto objetos = criaObjetosDoPrograma(QString::fromLocal8Bit(argv[1]));
  ShownMarker marker(objetos->FormCadCaps.PainelLogin);
  objetos->FormCadCaps.show();
  return app.exec();
}
