#include "tratamento_falhas.h"

#include "message_box.h"

#include <QString>
#include <stdexcept>
#include <utility>

namespace {

void mostraMensagemDaFalha(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception &e) {
    showErrorMessage(QString::fromUtf8(e.what()));
  } catch (...) {
    showErrorMessage(QStringLiteral("Unknown failure"));
  }
}

TratadorFalhas &tratadorAtual() {
  static TratadorFalhas handler = &mostraMensagemDaFalha;
  return handler;
}

}  // namespace

void trataFalha(std::exception_ptr failure) { tratadorAtual()(failure); }

TratadorFalhas defineTratadorFalhas(TratadorFalhas handler) { return std::exchange(tratadorAtual(), std::move(handler)); }
