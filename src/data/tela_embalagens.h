#pragma once

#include <QString>

// What the packaging rules of the data module need from the screen: the
// layout switches, the packaging panel, the description editor `DBEdit1` and
// the code editor `DBEdit50`.
class TelaEmbalagens {
 public:
  virtual ~TelaEmbalagens() = default;

  virtual void DesabilitaBotoes() = 0;
  virtual void HabilitaBotoes() = 0;
  virtual void BloqueiaCampos() = 0;
  virtual void LiberaCampos() = 0;

  virtual bool painelComponentesVisivel() const = 0;

  virtual QString textoDescricao() const = 0;
  virtual void defineTextoDescricao(const QString &texto) = 0;
  virtual bool descricaoAcessivel() const = 0;  // enabled and visible
  virtual void focaDescricao() = 0;
  virtual void liberaEdicaoDescricao() = 0;  // clears the read-only mark

  virtual QString textoCodigo() const = 0;
};
