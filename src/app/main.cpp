#include "crashreport/core/crashnote.h"
#include "inicializacao.h"

int main(int argc, char **argv) {
  // The crash reporter sets itself up before anything else exists.
  crashnote::startUp();
  return executaPrograma(argc, argv);
}
