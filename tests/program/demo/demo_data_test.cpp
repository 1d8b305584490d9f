#include "credential_encoding.h"
#include "demo_database.h"
#include "win1252.h"

#include <gtest/gtest.h>

#include <memory>
#include <QRegularExpression>
#include <QSet>

using fb::Decimal;
using fb::ResultSet;
using fb::Value;

namespace {

// Large enough that packaging kinds and raw materials are used more than once.
constexpr demo::DemoSize kSize{500, 400};

QString text(const Value &value) { return value.toString(); }
Decimal decimal(const Value &value) { return std::get<Decimal>(value.storage()); }

// Units of 10^-8, the scale of the register's decimal columns.
__int128 eighths(const Decimal &d) {
  __int128 units = d.units;
  for (int s = d.scale; s < 8; ++s) units *= 10;
  return units;
}

QString capitalsAtoZ(QString s) {
  for (QChar &c : s)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  return s;
}

// The description normal form, from its rules: letters A-Z lowered, first
// character raised, the tenth raised after "vitamina", then the accents removed.
QString normalForm(const QString &input) {
  QString s = input;
  for (QChar &c : s)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
  auto raise = [&](qsizetype i) {
    if (i < s.size() && s[i] >= u'a' && s[i] <= u'z') s[i] = QChar(s[i].unicode() - 32);
  };
  raise(0);
  if (s.left(8).toLower() == QLatin1String("vitamina")) raise(9);
  static const QString from = QStringLiteral("ÀÁÂÃÇÉÊÍÑÓÔÕÚÛÜàáâãçéêíñóôõúûü");
  static const QString to = QStringLiteral("aaaaceeinooouuuaaaaceeinooouuu");
  for (QChar &c : s)
    if (const qsizetype at = from.indexOf(c); at >= 0) c = to[at];
  return s;
}

// A right at `position` is granted when it holds the first letter's code plus position + 1, modulo 256.
bool granted(const QString &access, const QString &name, int position) {
  const QByteArray codes = win1252::encode(access);
  if (codes.size() < position) return false;
  const int first = static_cast<unsigned char>(win1252::encode(name).at(0));
  return static_cast<unsigned char>(codes[position - 1]) == (first + position + 1) % 256;
}

class DemoData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { db = std::make_unique<DemoDatabase>(kSize); }
  static void TearDownTestSuite() { db.reset(); }
  static std::int64_t count(const QString &sql) {
    return std::get<std::int64_t>(db->central(sql).rows.at(0).at(0).storage());
  }
  static std::unique_ptr<DemoDatabase> db;
};
std::unique_ptr<DemoDatabase> DemoData::db;

}  // namespace

TEST_F(DemoData, ComponentsShareOneSixDigitCodeSequence) {
  const ResultSet rows = db->central(QStringLiteral("select CODIGO, GRUPO from COMPONEN order by CODIGO"));
  ASSERT_EQ(rows.rows.size(), kSize.components);
  const QRegularExpression sixDigits(QStringLiteral("^\\d{6}$"));
  int packaging = 0;
  QString firstPackaging, lastOther;
  QSet<QString> groups;
  for (int i = 0; i < rows.rows.size(); ++i) {
    const QString code = text(rows.rows[i][0]);
    EXPECT_TRUE(sixDigits.match(code).hasMatch()) << code.toStdString();
    EXPECT_EQ(code.toInt(), i + 1) << "codes run 000001, 000002, ... without gaps";
    const QString group = text(rows.rows[i][1]);
    groups << group;
    if (group == QLatin1String("EMB")) {
      ++packaging;
      if (firstPackaging.isEmpty()) firstPackaging = code;
    } else {
      lastOther = code;
    }
  }
  EXPECT_EQ(packaging, kSize.packaging);
  EXPECT_LT(firstPackaging, lastOther) << "packaging items lie among the other groups";
  EXPECT_TRUE(groups.contains(QStringLiteral("MP")));
  EXPECT_GE(groups.size(), 4);
}

TEST_F(DemoData, DescriptionsAreStoredInNormalFormAndUnique) {
  const ResultSet rows = db->central(QStringLiteral("select COMPONENTE, GRUPO from COMPONEN"));
  QSet<QString> seen;
  bool sawVitamin = false;
  for (const auto &row : rows.rows) {
    const QString description = text(row[0]);
    EXPECT_FALSE(description.isEmpty());
    EXPECT_EQ(normalForm(description), description) << description.toStdString();
    EXPECT_FALSE(seen.contains(description)) << "repeated: " << description.toStdString();
    seen << description;
    sawVitamin |= description.startsWith(QLatin1String("Vitamina "));
  }
  EXPECT_TRUE(sawVitamin);

  // Synonyms and associated items are compared with typed text in the same form.
  for (const auto &row : db->central(QStringLiteral("select APELIDO from SINONIMO union all select SUBSTANCIA from ITENSASS")).rows)
    EXPECT_EQ(normalForm(text(row[0])), text(row[0]));
}

TEST_F(DemoData, PackagingPricesStockAndFormsAreConsistent) {
  const ResultSet forms = db->central(QStringLiteral("select FORMAFARMA from FORMAFAR"));
  QSet<QString> knownForms;
  for (const auto &row : forms.rows) knownForms << text(row[0]);
  EXPECT_TRUE(knownForms.contains(QStringLiteral("Cápsula")));

  const ResultSet rows = db->central(QStringLiteral(
      "select CODIGO, CUSTOUNITR, MULTIPLICADOR, DIVISORUNID, PRECOR, PRECOUS, ESTOQUECRITICO, ESTOQUEMAXIMO, "
      "GRUPOPRECO, FICHATECNICA, UNID_VENDA, CONTROLADA, DOSAGEMMAX from COMPONEN where GRUPO = 'EMB'"));
  int withVolume = 0;
  for (const auto &row : rows.rows) {
    const std::string code = text(row[0]).toStdString();
    const __int128 cost = eighths(decimal(row[1])), multiplier = eighths(decimal(row[2])),
                   divisor = eighths(decimal(row[3])), price = eighths(decimal(row[4]));
    ASSERT_GT(cost, 0) << code;
    ASSERT_GT(divisor, 0) << code;
    // In units of 0.0001 the exact price is cost × multiplier ÷ (divisor × 10^4) (all in 10^-8);
    // the stored price must be its nearest whole number.
    EXPECT_EQ(price % 10000, 0) << code << ": four decimal places at most";
    const __int128 numerator = cost * multiplier, denominator = divisor * 10000;
    const __int128 distance = numerator - price / 10000 * denominator;
    EXPECT_LT(2 * (distance < 0 ? -distance : distance), denominator) << code;
    EXPECT_EQ(decimal(row[5]).units, 0) << code;
    EXPECT_LT(std::get<double>(row[6].storage()), std::get<double>(row[7].storage())) << code;
    const QString joined = text(row[8]);
    EXPECT_LE(joined.size(), 60) << code;
    if (!joined.isEmpty()) {
      for (const QString &form : joined.split(QStringLiteral(", ")))
        EXPECT_TRUE(knownForms.contains(form)) << code << " " << form.toStdString();
    }
    EXPECT_FALSE(text(row[9]).isEmpty()) << code;
    EXPECT_EQ(text(row[10]), QStringLiteral("un"));
    EXPECT_EQ(text(row[11]), QStringLiteral("Não"));
    withVolume += row[12].isNull() ? 0 : 1;
  }
  EXPECT_GT(withVolume, rows.rows.size() / 2);
}

TEST_F(DemoData, UsersLogInWithTheDocumentedNamesPasswordsAndRights) {
  const struct {
    QString name, password;
    bool program, financial;
  } documented[] = {
      {QStringLiteral("MARIA"), QStringLiteral("1234"), true, true},
      {QStringLiteral("JOAO"), QStringLiteral("joao"), true, false},
      {QStringLiteral("PEDRO"), QStringLiteral("pedro"), false, true},
      {QStringLiteral("CARLOS"), QStringLiteral("carlos"), true, false},
      {QStringLiteral("ANA"), QStringLiteral("ana"), true, true},
      {QStringLiteral("BEATRIZ"), QStringLiteral("bia"), false, false},
      {QStringLiteral("LUCIA"), QStringLiteral("lucia"), true, true},
      {QStringLiteral("JOSÉ"), QStringLiteral("jose"), true, false},
      {QStringLiteral("SANT'ANA"), QStringLiteral("santa"), true, true},
  };
  ASSERT_EQ(count(QStringLiteral("select count(*) from USUARIOS")), std::ssize(documented));
  QString anaAccess, beatrizAccess;
  for (const auto &user : documented) {
    SCOPED_TRACE(user.name.toStdString());
    EXPECT_LE(user.name.size(), 15);
    EXPECT_LE(user.password.size(), 6);
    const ResultSet found = db->central(QStringLiteral("select SENHA, ACESSO from USUARIOS where USUARIO = ?"),
                                        {CodificaCredencial(capitalsAtoZ(user.name))});
    ASSERT_EQ(found.rows.size(), 1);
    EXPECT_EQ(text(found.rows[0][0]), CodificaCredencial(capitalsAtoZ(user.password)));
    const QString access = text(found.rows[0][1]);
    EXPECT_EQ(granted(access, user.name, 2), user.program);
    EXPECT_EQ(granted(access, user.name, 24), user.financial);
    if (user.name == QLatin1String("CARLOS")) {
      EXPECT_LT(access.size(), 24);
    }
    if (user.name == QLatin1String("ANA")) anaAccess = access;
    if (user.name == QLatin1String("BEATRIZ")) beatrizAccess = access;
  }
  EXPECT_EQ(anaAccess, beatrizAccess) << "one access string, different first letters";
}

TEST_F(DemoData, EveryUserButLuciaHasAWorkstation) {
  const ResultSet stations = db->central(QStringLiteral("select ESTACAO, DATBASNAM, USUARIO from ESTACOES"));
  QSet<QString> users;
  bool lowerCaseRow = false, threeCharacterCode = false;
  for (const auto &row : stations.rows) {
    const QString code = text(row[0]), user = text(row[2]);
    EXPECT_TRUE(code.size() == 2 || code.size() == 3) << code.toStdString();
    threeCharacterCode |= code.size() == 3;
    EXPECT_FALSE(text(row[1]).isEmpty()) << code.toStdString();
    lowerCaseRow |= user != capitalsAtoZ(user);
    users << capitalsAtoZ(user);
  }
  EXPECT_TRUE(lowerCaseRow);
  EXPECT_TRUE(threeCharacterCode);
  for (const char *name : {"MARIA", "JOAO", "PEDRO", "CARLOS", "ANA", "BEATRIZ", "JOSÉ", "SANT'ANA"})
    EXPECT_TRUE(users.contains(QString::fromUtf8(name))) << name;
  EXPECT_FALSE(users.contains(QStringLiteral("LUCIA")));
}

TEST_F(DemoData, PurchasesJoinInvoicesSuppliersAndPackagingItems) {
  const std::int64_t purchases = count(QStringLiteral("select count(*) from COMPRAS"));
  EXPECT_NE(purchases, 0);
  EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS CP, NFISCAL NF where NF.DATA=CP.DATA AND "
                                       "NF.NOTAFISCAL=CP.NOTAFISCAL AND NF.FORNECEDOR=CP.FORNECEDOR")),
            purchases);
  EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS CP where exists (select 1 from FORNECED F "
                                       "where F.NOMEFANTASIA = CP.FORNECEDOR)")),
            purchases);
  EXPECT_EQ(count(QStringLiteral("select count(*) from COMPRAS CP where exists (select 1 from COMPONEN C "
                                       "where upper(C.COMPONENTE) = CP.COMPONENTE)")),
            purchases);

  // The last-purchases screen's own statement, for the most bought packaging item.
  const QString busiest = text(db->central(QStringLiteral(
      "select first 1 C.COMPONENTE from COMPONEN C join COMPRAS CP on CP.COMPONENTE = upper(C.COMPONENTE) "
      "where C.GRUPO = 'EMB' group by C.COMPONENTE order by count(*) desc")).rows[0][0]);
  const ResultSet screen = db->central(
      QStringLiteral("Select CP.LABORATORIO \"Loja\", CP.NOTAFISCAL \"Nota Fiscal\", CP.FORNECEDOR \"Fornecedor\", "
                     "(Select First 1 forneced.tel from forneced where upper(forneced.nomefantasia) = "
                     "upper(CP.fornecedor)) Tel, CP.DATA \"Data\" from COMPRAS CP, NFISCAL NF where NF.DATA=CP.DATA "
                     "AND NF.NOTAFISCAL=CP.NOTAFISCAL AND NF.FORNECEDOR=CP.FORNECEDOR AND UPPER(CP.COMPONENTE) = '") +
      capitalsAtoZ(busiest) + QStringLiteral("' order by CP.Data desc"));
  ASSERT_GE(screen.rows.size(), 2) << busiest.toStdString();
  EXPECT_FALSE(text(screen.rows[0][screen.indexOf(u"Tel")]).isEmpty());
}

TEST_F(DemoData, AssociatedItemsSynonymsAndQualityTestsPointAtRealRows) {
  EXPECT_GT(count(QStringLiteral("select count(*) from ITENSASS")), 0);
  // Each associated item is found by its whole description, with its unit and code.
  EXPECT_EQ(db->central(QStringLiteral(
                "select count(*) from ITENSASS I where not exists (select 1 from COMPONEN C where C.CODIGO = "
                "I.CODIGODOITEMASS and C.COMPONENTE = I.SUBSTANCIA and C.UNID = I.UNIDADE) or not exists (select 1 "
                "from COMPONEN P where P.CODIGO = I.CODIGOCOMP and P.GRUPO = 'EMB')")).rows[0][0],
            0);
  EXPECT_EQ(count(QStringLiteral("select count(*) from SINONIMO S where not exists (select 1 from COMPONEN C "
                                       "where C.CODIGO = S.CODIGO)")),
            0);
  EXPECT_EQ(count(QStringLiteral("select count(*) from SINONIMO where APELIDO = 'Vitamina C'")), 1);
  EXPECT_GT(count(QStringLiteral("select count(*) from ENSAIOS")), 0);
  EXPECT_EQ(count(QStringLiteral("select count(*) from ENSAIOS E where not exists (select 1 from "
                                       "ESPECIFICACOES S where S.CODIGOESPEC = E.CODIGOESPEC) or not exists (select 1 "
                                       "from COMPONEN C where C.CODIGO = E.CODIGOCOMP and C.GRUPO = 'EMB')")),
            0);
  // A quality test shared by several items, as removing one link must leave the others.
  EXPECT_GT(count(QStringLiteral("select max(N) from (select count(*) N from ENSAIOS group by CODIGOESPEC)")),
            1);
  EXPECT_EQ(count(QStringLiteral("select count(*) from COTDOLAR")), 1);
  EXPECT_GT(count(QStringLiteral("select count(*) from FABRIC")), 0);
}

TEST_F(DemoData, TutorialHasPagesForTheHelpSubjectsWithTheirAccents) {
  const ResultSet pages = db->tutorial(QStringLiteral("select ASSUNTO, PAGINA, TEXTO from TUTORIAL"));
  QSet<QString> subjects;
  qsizetype longest = 0;
  for (const auto &row : pages.rows) {
    subjects << text(row[0]);
    longest = std::max(longest, text(row[2]).size());
  }
  for (const char *subject : {"NAVEGADOR", "CUSTO FIXO", "IDENTIFICAÇÃO DO USUÁRIO",
                              "ITENS ASSOCIADOS - Preenchimento dos campos", "EMBALAGEM - FORMA FARMACÊUTICA"})
    EXPECT_TRUE(subjects.contains(QString::fromUtf8(subject))) << subject;
  EXPECT_LE(longest, 1000);
  EXPECT_GT(longest, 900) << "one page close to the limit";
}

TEST_F(DemoData, BothDatabasesWriteThroughToTheDiskWhenFinished) {
  const QString sql = QStringLiteral("select mon$forced_writes from mon$database");
  for (const ResultSet &answer : {db->central(sql), db->tutorial(sql)})
    EXPECT_EQ(std::get<std::int64_t>(answer.rows.at(0).at(0).storage()), 1);
}
