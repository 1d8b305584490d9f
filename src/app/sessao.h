#pragma once

#include <QString>

// Who is logged in and at which workstation, for this run of the program.
struct Sessao {
  QString NomeUsuario;       // at most 60 characters
  QString AcessoUsuario;     // at most 100 characters
  bool AcessoFinanceiro = false;
  QString UsuarioEstacao;    // at most 60 characters
  QString CodigoEstacao;     // at most 2 characters
};
