// Prints the stored form of a user name or password, for adding users to
// USUARIOS by hand: codifica-credencial MARIA
#include "ascii_case.h"
#include "credential_encoding.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = app.arguments().mid(1);
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: codifica-credencial <name or password>\n");
    return 2;
  }
  std::printf("%s\n", qPrintable(CodificaCredencial(maiusculasAZ(arguments[0]))));
  return 0;
}
