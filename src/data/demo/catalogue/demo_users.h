#pragma once

#include <QString>
#include <vector>

namespace demo {

// The people of the demo pharmacy who may log in (USERS.md lists them for users).
struct DemoUser {
  QString name;              // as typed on the login panel, at most 15 characters
  QString password;          // at most 6 characters; any case matches
  QString accessBuiltFor;    // the name whose first letter the access string answers to;
                             // users built for the same name share one string
  bool programRight;         // granted in the access string, for accessBuiltFor
  bool financialRight;       // likewise, when the string reaches its position
  int accessLength;
  QString workstation;       // ESTACOES.ESTACAO; empty: the user has no workstation
  QString workstationUser;   // how the workstation row spells the user's name
  QString workstationType;
};

const std::vector<DemoUser> &demoUsers();

}  // namespace demo
