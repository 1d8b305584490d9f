#include "aplicacao.h"

#include "message_box.h"
#include "tratamento_falhas.h"

Aplicacao::Aplicacao(int &argc, char **argv) : QApplication(argc, argv) {
  setApplicationName(programTitle());
}

bool Aplicacao::notify(QObject *receiver, QEvent *event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const ProgramEnding &) {
    throw;
  } catch (...) {
    trataFalha(std::current_exception());
    return false;
  }
}
