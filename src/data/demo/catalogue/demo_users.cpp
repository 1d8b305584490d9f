#include "demo_users.h"

namespace demo {
namespace {

constexpr int kFullAccess = 30;
// Too short to reach the financial right at position 24.
constexpr int kShortAccess = 20;

DemoUser user(const char *name, const char *password, bool program, bool financial, const char *workstation,
              const char *workstationType) {
  const QString typed = QString::fromUtf8(name);
  return {typed, QString::fromUtf8(password), typed, program, financial, kFullAccess,
          QString::fromUtf8(workstation), typed, QString::fromUtf8(workstationType)};
}

std::vector<DemoUser> makeUsers() {
  DemoUser joao = user("JOAO", "joao", true, false, "02", "BALCAO");
  joao.workstationUser = QStringLiteral("joao");  // rows typed in lower case by the suite's own register
  DemoUser carlos = user("CARLOS", "carlos", true, true, "CX1", "CAIXA");
  carlos.accessLength = kShortAccess;
  DemoUser beatriz = user("BEATRIZ", "bia", true, true, "05", "LABORATORIO");
  beatriz.accessBuiltFor = QStringLiteral("ANA");  // same string as ANA: her first letter is another
  DemoUser santana = user("SANT'ANA", "santa", true, true, "07", "ESTOQUE");
  santana.workstationUser = QStringLiteral("Sant'Ana");

  return {user("MARIA", "1234", true, true, "01", "GERENCIA"),
          joao,
          user("PEDRO", "pedro", false, true, "03", "BALCAO"),
          carlos,
          user("ANA", "ana", true, true, "04", "LABORATORIO"),
          beatriz,
          user("LUCIA", "lucia", true, true, "", ""),
          user("JOSÉ", "jose", true, false, "06", "BALCAO"),
          santana};
}

}  // namespace

const std::vector<DemoUser> &demoUsers() {
  static const std::vector<DemoUser> users = makeUsers();
  return users;
}

}  // namespace demo
