#include "inicializacao.h"

int main(int argc, char **argv) { return executaPrograma(argc, argv); }
