#include "users.h"

#include "ascii_case.h"
#include "credential_encoding.h"
#include "demo_users.h"
#include "prepared_insert.h"
#include "seeded_random.h"
#include "win1252.h"

#include <map>

namespace demo {
namespace {

using fb::Value;

constexpr int kProgramPosition = 2;
constexpr int kFinancialPosition = 24;

// Position p grants its right when it holds the Windows-1252 code of the
// name's first letter plus p + 1, modulo 256. The other positions belong to
// other modules of the suite; they are granted at random.
QString accessString(const DemoUser &user, SeededRandom &random) {
  const int first = static_cast<unsigned char>(win1252::encode(user.accessBuiltFor).at(0));
  QByteArray access;
  for (int position = 1; position <= user.accessLength; ++position) {
    const char granted = char((first + position + 1) % 256);
    const char withheld = granted == '0' ? '1' : '0';
    bool grant = random.percent(60);
    if (position == kProgramPosition) grant = user.programRight;
    if (position == kFinancialPosition) grant = user.financialRight;
    access += grant ? granted : withheld;
  }
  return win1252::decode(access);
}

void writeUserRows(fb::Transaction &transaction) {
  SeededRandom random(1003);
  std::map<QString, QString> accessByOwner;  // users built for the same name share one string
  PreparedInsert rows(transaction, QStringLiteral("USUARIOS"),
                   {QStringLiteral("USUARIO"), QStringLiteral("CODIGO"), QStringLiteral("SENHA"),
                    QStringLiteral("ACESSO"), QStringLiteral("ARQUIVO"), QStringLiteral("LOGADO"),
                    QStringLiteral("ESTACAO"), QStringLiteral("CONSIST_INICIAL"), QStringLiteral("DEFVIDEOZUB")});
  int number = 0;
  for (const DemoUser &user : demoUsers()) {
    const QString code = QString::number(++number).rightJustified(3, u'0');
    auto owned = accessByOwner.find(user.accessBuiltFor);
    if (owned == accessByOwner.end()) owned = accessByOwner.emplace(user.accessBuiltFor, accessString(user, random)).first;
    rows.add({CodificaCredencial(maiusculasAZ(user.name)), code, CodificaCredencial(maiusculasAZ(user.password)),
              owned->second, QStringLiteral("USU") + code, QStringLiteral("N"),
              user.workstation.isEmpty() ? Value() : Value(user.workstation), QStringLiteral("S"), 0});
  }
}

void writeWorkstationRows(fb::Transaction &transaction) {
  PreparedInsert rows(transaction, QStringLiteral("ESTACOES"),
                   {QStringLiteral("ESTACAO"), QStringLiteral("DATBASNAM"), QStringLiteral("TIPO"),
                    QStringLiteral("ESVAZIAR"), QStringLiteral("EMUSO"), QStringLiteral("CAMINHOREQUISICAO"),
                    QStringLiteral("CAMINHOOM"), QStringLiteral("CAMINHOECF"), QStringLiteral("CAMINHOSEQUENCIAL1"),
                    QStringLiteral("ROTULO1"), QStringLiteral("ROTULO2"), QStringLiteral("USUARIO")});
  for (const DemoUser &user : demoUsers()) {
    if (user.workstation.isEmpty()) continue;
    // Each workstation keeps its files in its own work area under the VELDORIN folder.
    const QString workArea = QStringLiteral("Interfac") + user.workstation;
    const bool till = user.workstationType == QLatin1String("CAIXA");
    rows.add({user.workstation, workArea, user.workstationType, QStringLiteral("N"), QStringLiteral("N"),
              workArea + QStringLiteral("/Requisicoes"), workArea + QStringLiteral("/OrdensManipulacao"),
              till ? Value(QStringLiteral("/dev/ttyS0")) : Value(), workArea + QStringLiteral("/Sequencial"),
              QStringLiteral("Zebra TLP 2844 - rótulos de fórmulas"), QStringLiteral("Argox OS-214 - etiquetas"),
              user.workstationUser});
  }
}

}  // namespace

void writeUsers(fb::Transaction &transaction) {
  writeUserRows(transaction);
  writeWorkstationRows(transaction);
}

}  // namespace demo
