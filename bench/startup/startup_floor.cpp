// The floor under the register's start-up: a bare Qt window of the same size
// and two raw attaches of the same database through the client library.
#include "connection.h"
#include "shown_marker.h"

#include <QApplication>

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  QApplication app(argc, argv);
  fb::Connection first, second;
  for (fb::Connection *connection : {&first, &second}) {
    connection->parameters().database = QString::fromLocal8Bit(argv[1]);
    connection->open();
  }
  QWidget window;
  window.resize(800, 600);
  ShownMarker marker(&window);
  window.show();
  return app.exec();
}
