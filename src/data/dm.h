#pragma once

#include "client_dataset.h"
#include "command.h"
#include "connection.h"
#include "data_source.h"
#include "provider.h"
#include "query.h"

#include <optional>
#include <QObject>

class EDatabaseError;
class TelaEmbalagens;

// The main data module: the central connection `sqlcon1`, the tutorial
// connection `SQLConnection1`, and every dataset the program opens, each a
// chain of command, provider, client dataset and data source.
class TDM : public QObject {
  Q_OBJECT
 public:
  explicit TDM(QObject *parent = nullptr);

  // Opens the central connection at the configured server address.
  void DataModuleCreate(const QString &ipServidor);
  // The screen that the packaging rules switch and read; needed before any
  // packaging item is inserted, changed or stored.
  void defineTela(TelaEmbalagens *tela) { tela_ = tela; }

  // The largest code of the whole component table, or 0 when there is none
  // or it is not a number.
  int UltimoCodigo();

  // The packaging rules, attached to the events of `Componentes`.
  void ComponentesBeforeInsert();
  void ComponentesAfterInsert();
  void ComponentesBeforeEdit();
  void ComponentesBeforePost();
  void ComponentesPostError(const EDatabaseError &failure);
  void ComponentesAfterPost();
  void ComponentesAfterCancel();
  void ComponentesBeforeDelete();
  void ComponentesAfterDelete();
  void ComponentesAfterScroll();
  void ComponentesBeforeClose();
  // The storing rules of the associated items and of the tutorial pages.
  void ItensAssAfterInsert();
  void ItensAssAfterPost();
  void ItensAssAfterDelete();
  void TutorialAfterPost();
  void TutorialAfterDelete();

  fb::Connection sqlcon1;
  fb::Connection SQLConnection1;  // the tutorial database, opened when first needed

  ds::Command SQLDS_Componen{QStringLiteral("SQLDS_Componen"), sqlcon1};
  ds::Provider DSP_Componen{QStringLiteral("DSP_Componen"), SQLDS_Componen};
  ds::ClientDataSet Componentes{QStringLiteral("Componentes"), DSP_Componen};
  ds::DataSource DS_Componentes{&Componentes};

  ds::Command SQLDS_CompNome{QStringLiteral("SQLDS_CompNome"), sqlcon1};
  ds::Provider DSP_CompNome{QStringLiteral("DSP_CompNome"), SQLDS_CompNome};
  ds::ClientDataSet CompNome{QStringLiteral("CompNome"), DSP_CompNome};
  ds::DataSource DS_CompNome{&CompNome};

  ds::Command SQLDS_ItensAss{QStringLiteral("SQLDS_ItensAss"), sqlcon1};
  ds::Provider DSP_ItensAss{QStringLiteral("DSP_ItensAss"), SQLDS_ItensAss};
  ds::ClientDataSet ItensAss{QStringLiteral("ItensAss"), DSP_ItensAss};
  ds::DataSource DS_ItensAss{&ItensAss};

  ds::Command SQLDSFormaFar{QStringLiteral("SQLDSFormaFar"), sqlcon1};
  ds::Provider DSP_FormaFar{QStringLiteral("DSP_FormaFar"), SQLDSFormaFar};
  ds::ClientDataSet FormaFar{QStringLiteral("FormaFar"), DSP_FormaFar};
  ds::DataSource DS_FormaFar{&FormaFar};

  ds::Command SQLDS_Ensaios{QStringLiteral("SQLDS_Ensaios"), sqlcon1};
  ds::Provider DSP_Ensaios{QStringLiteral("DSP_Ensaios"), SQLDS_Ensaios, ds::UpdateMode::ByAllColumns};
  ds::ClientDataSet Ensaios{QStringLiteral("Ensaios"), DSP_Ensaios};
  ds::DataSource DS_Ensaios{&Ensaios};

  ds::Command SQLDataSet1{QStringLiteral("SQLDataSet1"), sqlcon1};
  ds::Provider DSP_SQLDataSet1{QStringLiteral("DSP_SQLDataSet1"), SQLDataSet1, ds::UpdateMode::ByAllColumns};
  ds::ClientDataSet CDS_SQLDataSet1{QStringLiteral("CDS_SQLDataSet1"), DSP_SQLDataSet1};
  ds::DataSource DS_SQLDataSet1{&CDS_SQLDataSet1};

  ds::Command SQLDS_Usuarios{QStringLiteral("SQLDS_Usuarios"), sqlcon1};
  ds::Provider DSP_Usuarios{QStringLiteral("DSP_Usuarios"), SQLDS_Usuarios};
  ds::ClientDataSet Usuarios{QStringLiteral("Usuarios"), DSP_Usuarios};
  ds::DataSource DS_Usuarios{&Usuarios};

  ds::Command SQLDS_Estacoes{QStringLiteral("SQLDS_Estacoes"), sqlcon1};
  ds::Provider DSP_Estacoes{QStringLiteral("DSP_Estacoes"), SQLDS_Estacoes};
  ds::ClientDataSet Estacoes{QStringLiteral("Estacoes"), DSP_Estacoes};

  ds::Command SQLDS_Tutorial{QStringLiteral("SQLDS_Tutorial"), SQLConnection1};
  ds::Provider DSP_Tutorial{QStringLiteral("DSP_Tutorial"), SQLDS_Tutorial};
  ds::ClientDataSet Tutorial{QStringLiteral("Tutorial"), DSP_Tutorial};
  ds::DataSource DS_Tutorial{&Tutorial};

  ds::Query SQLQuery1{QStringLiteral("SQLQuery1"), sqlcon1};
  ds::Query SQLQueryTutorial{QStringLiteral("SQLQueryTutorial"), SQLConnection1};

 private:
  void ligaEventos();
  TelaEmbalagens &tela() const;
  // Main buttons off, every field editor on, the description ready for typing.
  void mostraLayoutEdicao();
  // The code of a new item: six digits, one more than the largest; none when
  // the six digits are used up.
  std::optional<QString> proximoCodigo();
  bool codigoEmUso(const QString &codigo);
  // Gives a new item that the database refused because another workstation
  // stored its code first the next free code; false when that was not the refusal.
  bool renumeraInclusaoRecusada();
  void gravaComponentes();

  TelaEmbalagens *tela_ = nullptr;
};
