#include "chain_fixture.h"
#include "failures.h"
#include "database_error.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

using namespace ds;

namespace {

const QString kForms = QStringLiteral("select FORMAFARMA from FORMAFAR order by FORMAFARMA");

class Contract : public ::testing::Test {
 protected:
  void fill(const QStringList &forms) {
    for (const QString &form : forms)
      db.connection().executeDirect(QStringLiteral("insert into FORMAFAR values ('%1')").arg(form));
  }
  std::unique_ptr<Chain> openForms() {
    auto chain = std::make_unique<Chain>(db.connection(), kForms);
    chain->dataSet.setFieldDefs({FieldDef::text(QStringLiteral("FORMAFARMA"), 15).asKey().asRequired()});
    chain->dataSet.open();
    return chain;
  }

  TempCentralDatabase db;
};

using Operations = std::function<void(ClientDataSet &)>;

void setForm(ClientDataSet &d, const char *form) { d.fieldByName(u"FormaFarma").setAsString(QString::fromUtf8(form)); }

struct Case {
  const char *label;
  QStringList rows;
  Operations operations;
  QStringList events;
  DataSetState state;
  int recordNumber;
  QList<ChangeKind> log = {};
  QString failure = {};
};

}  // namespace

TEST_F(Contract, OpeningScrollsOnlyToARowThatExists) {
  auto empty = openForms();
  EXPECT_TRUE(empty->events.isEmpty());
  EXPECT_EQ(empty->dataSet.recordNumber(), 0);
  EXPECT_TRUE(empty->dataSet.atEnd());
  EXPECT_EQ(empty->dataSet.fieldByName(u"FORMAFARMA").asString(), "");
  empty->dataSet.close();

  fill({"Cápsula", "Creme"});
  empty->dataSet.open();
  EXPECT_EQ(empty->events, QStringList({"beforeClose", "afterScroll"}));
  EXPECT_EQ(empty->dataSet.state(), DataSetState::Browse);
  EXPECT_EQ(empty->dataSet.fieldByName(u"formafarma").asString(), "Creme");  // bytes: r before á
  EXPECT_TRUE(empty->dataSet.atBeginning());
  EXPECT_FALSE(empty->dataSet.atEnd());
}

TEST_F(Contract, EachOperationFiresItsEventsInOrder) {
  const QStringList abc = {"A", "B", "C"};
  const QStringList inserted = {"beforeInsert", "afterInsert", "afterScroll"};
  const QString empty = QStringLiteral("Cannot perform this operation on an empty dataset");
  const QList<Case> cases = {
      {"next to the end and past it", abc, [](auto &d) { for (int i = 0; i < 4; ++i) d.next(); },
       {"afterScroll", "afterScroll", "afterScroll"}, DataSetState::Browse, 3},
      {"prior at the start", abc, [](auto &d) { d.prior(); }, {}, DataSetState::Browse, 1},
      {"last", abc, [](auto &d) { d.last(); }, {"afterScroll"}, DataSetState::Browse, 3},
      {"insert at the cursor", abc, [](auto &d) { d.next(); d.insert(); },
       QStringList{"afterScroll"} + inserted, DataSetState::Insert, 2},
      {"insert, type, move: posted", abc, [](auto &d) { d.insert(); setForm(d, "D"); d.next(); },
       inserted + QStringList{"beforePost", "afterPost", "afterScroll"}, DataSetState::Browse, 2, {ChangeKind::Insert}},
      {"insert, move without typing: cancelled", abc, [](auto &d) { d.insert(); d.next(); },
       inserted + QStringList{"afterCancel", "afterScroll", "afterScroll"}, DataSetState::Browse, 2},
      {"edit twice", abc, [](auto &d) { d.edit(); d.edit(); }, {"beforeEdit"}, DataSetState::Edit, 1},
      {"edit on an empty dataset inserts", {}, [](auto &d) { d.edit(); }, inserted, DataSetState::Insert, 1},
      {"post and cancel in browse", abc, [](auto &d) { d.post(); d.cancel(); }, {}, DataSetState::Browse, 1},
      {"edit, change, cancel", abc, [](auto &d) { d.edit(); setForm(d, "Z"); d.cancel(); },
       {"beforeEdit", "afterCancel"}, DataSetState::Browse, 1},
      {"edit, change, post", abc, [](auto &d) { d.edit(); setForm(d, "Z"); d.post(); },
       {"beforeEdit", "beforePost", "afterPost"}, DataSetState::Browse, 1, {ChangeKind::Update}},
      {"edit, post unchanged: nothing to send", abc, [](auto &d) { d.edit(); d.post(); },
       {"beforeEdit", "beforePost", "afterPost"}, DataSetState::Browse, 1},
      {"delete", abc, [](auto &d) { d.next(); d.deleteRecord(); },
       {"afterScroll", "beforeDelete", "afterDelete", "afterScroll"}, DataSetState::Browse, 2, {ChangeKind::Delete}},
      {"delete the last row", abc, [](auto &d) { d.last(); d.deleteRecord(); },
       {"afterScroll", "beforeDelete", "afterDelete", "afterScroll"}, DataSetState::Browse, 2, {ChangeKind::Delete}},
      {"delete while inserting cancels", abc, [](auto &d) { d.insert(); setForm(d, "D"); d.deleteRecord(); },
       inserted + QStringList{"afterCancel", "afterScroll"}, DataSetState::Browse, 1},
      {"delete while changing drops the changes", abc, [](auto &d) { d.edit(); setForm(d, "Z"); d.deleteRecord(); },
       {"beforeEdit", "beforeDelete", "afterDelete", "afterScroll"}, DataSetState::Browse, 1, {ChangeKind::Delete}},
      {"delete on an empty dataset", {}, [](auto &d) { d.deleteRecord(); }, {}, DataSetState::Browse, 0, {}, empty},
      {"moves on an empty dataset", {},
       [](auto &d) { d.next(); d.prior(); d.first(); d.last(); EXPECT_FALSE(d.locate(u"FORMAFARMA", "A")); d.findNearest("A"); },
       {"afterScroll", "afterScroll"}, DataSetState::Browse, 0},
      {"refresh, apply, post, cancel on an empty dataset", {},
       [](auto &d) { d.refresh(); EXPECT_EQ(d.applyUpdates(0), 0); d.post(); d.cancel(); }, {}, DataSetState::Browse, 0},
      {"delete of the only row, then again", {"A"}, [](auto &d) { d.deleteRecord(); d.deleteRecord(); },
       {"beforeDelete", "afterDelete", "afterScroll"}, DataSetState::Browse, 0, {ChangeKind::Delete}, empty},
      {"required column empty", abc, [](auto &d) { d.insert(); d.post(); },
       inserted + QStringList{"beforePost", "onPostError"}, DataSetState::Insert, 1, {},
       "Field 'FORMAFARMA' must have a value"},
      {"locate found", abc, [](auto &d) { EXPECT_TRUE(d.locate(u"formafarma", "C")); }, {"afterScroll"},
       DataSetState::Browse, 3},
      {"locate: case counts", abc, [](auto &d) { EXPECT_FALSE(d.locate(u"FORMAFARMA", "c")); }, {},
       DataSetState::Browse, 1},
      {"find nearest between rows", abc, [](auto &d) { d.findNearest("Ba"); }, {"afterScroll"}, DataSetState::Browse, 3},
      {"find nearest beyond every row", abc, [](auto &d) { d.findNearest("Z"); }, {"afterScroll"},
       DataSetState::Browse, 3},
      {"find nearest on an exact row", abc, [](auto &d) { d.last(); d.findNearest("B"); },
       {"afterScroll", "afterScroll"}, DataSetState::Browse, 2},
      {"refresh fires no scroll", abc, [](auto &d) { d.next(); d.refresh(); }, {"afterScroll"}, DataSetState::Browse, 2},
      {"refresh posts first, then refuses", abc, [](auto &d) { d.edit(); setForm(d, "Z"); d.refresh(); },
       {"beforeEdit", "beforePost", "afterPost"}, DataSetState::Browse, 1, {ChangeKind::Update},
       "Must apply updates before refreshing data"},
      {"apply updates posts first", abc, [](auto &d) { d.edit(); setForm(d, "Z"); EXPECT_EQ(d.applyUpdates(-1), 0); },
       {"beforeEdit", "beforePost", "afterPost"}, DataSetState::Browse, 1},
      {"close drops the row being changed", abc, [](auto &d) { d.edit(); setForm(d, "Z"); d.close(); },
       {"beforeEdit", "beforeClose"}, DataSetState::Closed, 0},
      {"a closed dataset refuses to move", abc, [](auto &d) { d.close(); d.next(); }, {"beforeClose"},
       DataSetState::Closed, 0, {}, "Cannot perform this operation on a closed dataset"},
      {"a field written in browse", abc, [](auto &d) { setForm(d, "Z"); }, {}, DataSetState::Browse, 1, {},
       "Test: Dataset not in edit or insert mode"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.label);
    db.connection().executeDirect(QStringLiteral("delete from FORMAFAR"));
    fill(c.rows);
    auto chain = openForms();
    chain->events.clear();
    QString failure;
    try {
      c.operations(chain->dataSet);
    } catch (const EDatabaseError &error) {
      failure = error.message();
    }
    EXPECT_EQ(chain->events, c.events);
    EXPECT_EQ(chain->dataSet.state(), c.state);
    EXPECT_EQ(chain->dataSet.recordNumber(), c.recordNumber);
    EXPECT_EQ(failure, c.failure);
    QList<ChangeKind> log;
    for (const Change &change : chain->dataSet.changeLog().changes()) log << change.kind;
    EXPECT_EQ(log, c.log);
  }
}

TEST_F(Contract, MovesKeepTheBeginningAndEndMarks) {
  fill({"A", "B"});
  auto chain = openForms();
  ClientDataSet &d = chain->dataSet;
  d.last();
  EXPECT_TRUE(d.atEnd());
  EXPECT_FALSE(d.atBeginning());
  d.prior();
  d.prior();
  EXPECT_TRUE(d.atBeginning());
  EXPECT_EQ(d.recordNumber(), 1);
  EXPECT_EQ(d.moveBy(5), 1);
  EXPECT_TRUE(d.atEnd());
  EXPECT_EQ(d.fieldByName(u"FORMAFARMA").asString(), "B");
}

TEST_F(Contract, ABeforePostHandlerThatCancelsStoresNothing) {
  fill({"A"});
  auto chain = openForms();
  ClientDataSet &d = chain->dataSet;
  d.beforePost = [](ClientDataSet &dataSet) { dataSet.cancel(); };
  d.insert();
  setForm(d, "B");
  chain->events.clear();
  EXPECT_NO_THROW(d.post());
  EXPECT_EQ(chain->events, QStringList({"afterCancel", "afterScroll"}));
  EXPECT_EQ(d.recordCount(), 1);
  EXPECT_EQ(d.changeCount(), 0);
}

TEST_F(Contract, AfterPostMaySendAndReRead) {
  // The pattern every screen uses: each stored change goes to the database at once.
  fill({"B", "D"});
  auto chain = openForms();
  ClientDataSet &d = chain->dataSet;
  d.afterPost = [](ClientDataSet &dataSet) {
    EXPECT_EQ(dataSet.applyUpdates(-1), 0);
    dataSet.refresh();
  };
  d.afterDelete = d.afterPost;
  d.last();
  d.insert();  // before D, at record 2
  setForm(d, "A");
  d.post();
  // Re-read in the table's order; the cursor keeps record number 2, now B.
  EXPECT_EQ(d.recordCount(), 3);
  EXPECT_EQ(d.recordNumber(), 2);
  EXPECT_EQ(d.fieldByName(u"FORMAFARMA").asString(), "B");
  EXPECT_EQ(scalar(db.connection(), "select count(*) from FORMAFAR"), "3");

  d.last();
  d.deleteRecord();
  EXPECT_EQ(scalar(db.connection(), "select list(FORMAFARMA) from (select FORMAFARMA from FORMAFAR order by 1)"), "A,B");
  EXPECT_EQ(d.recordNumber(), 2);
}

TEST_F(Contract, FieldsAreFoundRegardlessOfCase) {
  auto chain = openForms();
  EXPECT_EQ(&chain->dataSet.fieldByName(u"FormaFarma"), &chain->dataSet.fieldByName(u"FORMAFARMA"));
  EXPECT_EQ(chain->dataSet.findField(u"UltCod"), nullptr);
  try {
    chain->dataSet.fieldByName(u"Codigo");
    ADD_FAILURE();
  } catch (const EDatabaseError &failure) {
    EXPECT_EQ(failure.message(), "Test: Field 'Codigo' not found");
  }
}

TEST_F(Contract, AFieldWriteThatCannotBeStoredLeavesTheField) {
  fill({"A"});
  auto chain = openForms();
  ClientDataSet &d = chain->dataSet;
  d.edit();
  EXPECT_THROW(setForm(d, "Pó ✓"), EConvertError);
  EXPECT_EQ(d.fieldByName(u"FORMAFARMA").asString(), "A");
  EXPECT_FALSE(d.isModified());
  setForm(d, "Solução oral 250ml");  // 18 characters into 15
  EXPECT_EQ(d.fieldByName(u"FORMAFARMA").asString(), "Solução oral 25");
}

TEST_F(Contract, DeclaredFieldsMustBeInTheAnswer) {
  Chain chain(db.connection(), kForms);
  chain.dataSet.setFieldDefs({FieldDef::text(QStringLiteral("FORMAFARMA"), 15), FieldDef::text(QStringLiteral("NOME"), 5)});
  try {
    chain.dataSet.open();
    ADD_FAILURE();
  } catch (const EDatabaseError &failure) {
    EXPECT_EQ(failure.message(), "Test: Field 'NOME' not found");
  }
  EXPECT_FALSE(chain.dataSet.isOpen());
}

TEST_F(Contract, TheCommandTextChangesOnlyWhileTheDatasetIsClosed) {
  auto chain = openForms();
  EXPECT_THROW(chain->command.setText("select FORMAFARMA from FORMAFAR"), EDatabaseError);
  chain->dataSet.close();
  chain->command.setText("select FORMAFARMA from FORMAFAR where FORMAFARMA = 'x'");
  chain->dataSet.open();
  EXPECT_TRUE(chain->dataSet.isEmpty());
}

TEST_F(Contract, FindNearestNeedsAnOrder) {
  Chain chain(db.connection(), "select FORMAFARMA from FORMAFAR");
  chain.dataSet.open();
  EXPECT_THROW(chain.dataSet.findNearest("A"), EDatabaseError);
}
