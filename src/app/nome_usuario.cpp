#include "nome_usuario.h"

#include <pwd.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {
constexpr std::size_t kRoomWithTerminator = 50;
}

QString NomeUsuarioWindows() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
  passwd entry{};
  passwd *found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
  if (std::strlen(found->pw_name) + 1 > kRoomWithTerminator) return {};
  return QString::fromLocal8Bit(found->pw_name);
}
