#pragma once

#include <QAbstractTableModel>
#include <QItemSelectionModel>

namespace ds {

class DataSource;
class Field;

// The rows of a dataset as a table for grids: one row per held row (and the
// row being inserted), one column per chosen field, texts as the fields show
// them. Views use selectionModel(), so that the selected row and the
// dataset's cursor follow each other; choosing a row moves the cursor, which
// fires the dataset's events.
class DataSetTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Column {
    QString fieldName;
    QString title;
  };

  explicit DataSetTableModel(DataSource &source, QObject *parent = nullptr);

  // The fields shown, in order; without a choice every field, titled by its name.
  void setColumns(const QList<Column> &columns);
  // Editable grids write typed texts into the fields, starting an edit.
  void setEditable(bool editable) { editable_ = editable; }
  QItemSelectionModel *selectionModel() { return &selection_; }

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

 private:
  Field *fieldAt(int column) const;
  void reload();
  void showCurrentRow();  // cursor → selection
  bool moveCursorTo(int row);  // selection → cursor

  DataSource &source_;
  QList<Column> columns_;
  bool editable_ = false;
  QItemSelectionModel selection_;
  bool showingCursor_ = false;
};

}  // namespace ds
