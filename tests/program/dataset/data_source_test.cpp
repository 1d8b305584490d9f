#include "chain_fixture.h"
#include "failures.h"
#include "data_source.h"
#include "dataset_table_model.h"
#include "database_error.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

using namespace ds;

namespace {

class Binding : public ::testing::Test {
 protected:
  Binding() {
    for (const char *row : {"'000001', 'Frasco', 1.5", "'000002', 'Pote', 2", "'000003', 'Tampa', null"})
      db.connection().executeDirect(
          QStringLiteral("insert into COMPONEN (CODIGO, COMPONENTE, CUSTOUNITR) values (%1)").arg(row));
    chain.dataSet.setFieldDefs({FieldDef::text("CODIGO", 20).asKey().asRequired(), FieldDef::text("COMPONENTE", 70),
                                FieldDef::decimal("CUSTOUNITR", 15, 8)});
    chain.dataSet.open();
    chain.events.clear();
  }

  TempCentralDatabase db;
  Chain chain{db.connection(), "select CODIGO, COMPONENTE, CUSTOUNITR from COMPONEN order by COMPONENTE"};
  ClientDataSet &dataSet = chain.dataSet;
  DataSource source{&dataSet};
};

}  // namespace

TEST_F(Binding, EditorsHandOverTheirTextBeforeEveryPost) {
  QObject editor;
  QString typed;
  source.addPendingTextWriter(&editor, [&] {
    chain.events << "writer";
    if (!typed.isEmpty()) dataSet.fieldByName(u"CUSTOUNITR").setAsString(typed);
  });

  dataSet.edit();
  typed = "3,25";
  dataSet.next();  // an implicit post: the typed text makes the row changed
  EXPECT_EQ(chain.events, QStringList({"beforeEdit", "writer", "writer", "beforePost", "afterPost", "afterScroll"}));
  dataSet.prior();
  EXPECT_EQ(dataSet.fieldByName(u"CUSTOUNITR").asFloat(), 3.25);

  chain.events.clear();
  dataSet.edit();
  typed = "3.25";  // not a number with this workstation's separator
  EXPECT_THROW(dataSet.post(), EConvertError);
  EXPECT_EQ(chain.events, QStringList({"beforeEdit", "writer"}));
  EXPECT_EQ(dataSet.state(), DataSetState::Edit);

  typed.clear();
  {
    QObject gone;
    source.addPendingTextWriter(&gone, [&] { chain.events << "gone"; });
  }
  source.removePendingTextWriter(&editor);
  chain.events.clear();
  dataSet.post();
  EXPECT_EQ(chain.events, QStringList({"beforePost", "afterPost"}));
}

TEST_F(Binding, BoundControlsAreToldWhatChanged) {
  QStringList notices;
  QObject::connect(&source, &DataSource::dataSetChanged, [&] { notices << "rows"; });
  QObject::connect(&source, &DataSource::scrolled, [&] { notices << "scrolled"; });
  QObject::connect(&source, &DataSource::stateChanged, [&] { notices << "state"; });
  QObject::connect(&source, &DataSource::fieldChanged, [&](const Field &field) { notices << field.fieldName(); });
  dataSet.next();
  dataSet.edit();
  dataSet.fieldByName(u"Componente").setAsString("Pote branco");
  dataSet.post();
  dataSet.close();
  EXPECT_EQ(notices, QStringList({"scrolled", "state", "COMPONENTE", "state", "rows", "state", "rows"}));
}

TEST_F(Binding, AGridAndTheCursorFollowEachOther) {
  DataSetTableModel model(source);
  model.setColumns({{"COMPONENTE", "Componente"}, {"CUSTOUNITR", "Custo"}});
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Custo");
  EXPECT_EQ(model.data(model.index(0, 1)).toString(), "1,5");
  EXPECT_EQ(model.data(model.index(2, 1)).toString(), "");

  model.selectionModel()->setCurrentIndex(model.index(2, 0), QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(dataSet.recordNumber(), 3);
  EXPECT_EQ(chain.events, QStringList({"afterScroll"}));
  dataSet.first();
  EXPECT_EQ(model.selectionModel()->currentIndex().row(), 0);

  dataSet.next();
  dataSet.insert();  // the new row shows at the cursor, before Pote
  ASSERT_EQ(model.rowCount(), 4);
  EXPECT_EQ(model.selectionModel()->currentIndex().row(), 1);
  EXPECT_EQ(model.data(model.index(2, 0)).toString(), "Pote");

  EXPECT_FALSE(model.setData(model.index(0, 0), "Frasco ambar"));  // a read-only grid
  model.setEditable(true);
  // Writing into another row leaves the empty new row (cancelled) and edits that one.
  EXPECT_TRUE(model.setData(model.index(3, 1), "4,75"));
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_EQ(dataSet.state(), DataSetState::Edit);
  EXPECT_EQ(dataSet.fieldByName(u"COMPONENTE").asString(), "Tampa");
  EXPECT_EQ(model.data(model.index(2, 1)).toString(), "4,75");
  EXPECT_THROW(model.setData(model.index(2, 1), "x"), EConvertError);

  // Choosing another row posts the row being changed, then moves.
  chain.events.clear();
  model.selectionModel()->setCurrentIndex(model.index(0, 0), QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(chain.events, QStringList({"beforePost", "afterPost", "afterScroll"}));
  EXPECT_EQ(dataSet.fieldByName(u"COMPONENTE").asString(), "Frasco");
  EXPECT_EQ(dataSet.changeCount(), 1);
}
