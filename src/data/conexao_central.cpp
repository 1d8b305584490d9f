#include "conexao_central.h"

#include "caminho_gds.h"
#include "connection.h"
#include "database_error.h"
#include "exception_class.h"
#include "folders.h"
#include "message_box.h"
#include "program_end.h"

QString enderecoBancoCentral(const QString &ipServidor) {
  const QString path = veldorinFolder() + QStringLiteral("dados/veldorin.bd");
  return ipServidor.isEmpty() ? path : ipServidor + u':' + path;
}

QString mensagemFalhaConexao(const QString &ipServidor, const QString &classe, const QString &erro) {
  return QStringLiteral("Não foi possível fazer a conexão com o servidor.\r\n") +
         QStringLiteral("Certique que o \"Ip: ") + ipServidor +
         QStringLiteral("\" informado  no arquivo de configuração VELDORIN.INI está correto.") +
         QStringLiteral("\r\r\n") + QStringLiteral("Classe: ") + classe + QStringLiteral("\rErro: ") + erro;
}

void abreConexaoCentral(fb::Connection &connection, const QString &ipServidor) {
  const QString library = bibliotecaClienteDe(veldorinFolder() + QStringLiteral("CaminhoGDS.txt"));
  if (!library.isEmpty()) connection.parameters().clientLibrary = library;
  connection.close();
  connection.parameters().database = enderecoBancoCentral(ipServidor);
  try {
    connection.open();
  } catch (const EDatabaseError &failure) {
    showErrorMessage(mensagemFalhaConexao(ipServidor, exceptionClassName(failure), failure.message()));
    endProgramNow(1);
  }
}
