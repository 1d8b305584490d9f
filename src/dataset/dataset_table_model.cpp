#include "dataset_table_model.h"

#include "client_dataset.h"
#include "data_source.h"

namespace ds {

DataSetTableModel::DataSetTableModel(DataSource &source, QObject *parent)
    : QAbstractTableModel(parent), source_(source), selection_(this) {
  connect(&source_, &DataSource::dataSetChanged, this, &DataSetTableModel::reload);
  connect(&source_, &DataSource::scrolled, this, &DataSetTableModel::showCurrentRow);
  connect(&source_, &DataSource::fieldChanged, this, [this] {
    const int row = source_.dataSet()->shownCurrentRow();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
  });
  connect(&selection_, &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex &current) {
            if (!showingCursor_) moveCursorTo(current.row());
          });
}

void DataSetTableModel::setColumns(const QList<Column> &columns) {
  beginResetModel();
  columns_ = columns;
  endResetModel();
}

Field *DataSetTableModel::fieldAt(int column) const {
  const ClientDataSet *dataSet = source_.dataSet();
  if (!dataSet) return nullptr;
  if (columns_.isEmpty()) return column < int(dataSet->fields().size()) ? dataSet->fields()[column].get() : nullptr;
  return dataSet->findField(columns_[column].fieldName);
}

int DataSetTableModel::rowCount(const QModelIndex &parent) const {
  const ClientDataSet *dataSet = source_.dataSet();
  return parent.isValid() || !dataSet ? 0 : dataSet->shownRowCount();
}

int DataSetTableModel::columnCount(const QModelIndex &parent) const {
  if (parent.isValid()) return 0;
  if (!columns_.isEmpty()) return columns_.size();
  return source_.dataSet() ? int(source_.dataSet()->fields().size()) : 0;
}

QVariant DataSetTableModel::data(const QModelIndex &index, int role) const {
  const Field *field = fieldAt(index.column());
  if (!field || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  const ClientDataSet &dataSet = *source_.dataSet();
  return dataSet.shownValue(index.row(), field->index()).toString(dataSet.decimalSeparator());
}

QVariant DataSetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (!columns_.isEmpty()) return columns_[section].title;
  const Field *field = fieldAt(section);
  return field ? field->fieldName() : QVariant();
}

Qt::ItemFlags DataSetTableModel::flags(const QModelIndex &index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return editable_ && fieldAt(index.column()) ? flags | Qt::ItemIsEditable : flags;
}

bool DataSetTableModel::setData(const QModelIndex &index, const QVariant &value, int role) {
  Field *field = fieldAt(index.column());
  if (!editable_ || !field || role != Qt::EditRole) return false;
  ClientDataSet &dataSet = *source_.dataSet();
  if (!moveCursorTo(index.row())) return false;
  dataSet.edit();
  field->setAsString(value.toString());
  return true;
}

void DataSetTableModel::reload() {
  beginResetModel();
  endResetModel();
  showCurrentRow();
}

void DataSetTableModel::showCurrentRow() {
  const ClientDataSet *dataSet = source_.dataSet();
  const int row = dataSet ? dataSet->shownCurrentRow() : -1;
  if (selection_.currentIndex().row() == row) return;
  showingCursor_ = true;
  const int column = std::max(selection_.currentIndex().column(), 0);
  if (row < 0)
    selection_.clearCurrentIndex();
  else
    selection_.setCurrentIndex(index(row, column), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  showingCursor_ = false;
}

bool DataSetTableModel::moveCursorTo(int row) {
  ClientDataSet *dataSet = source_.dataSet();
  if (!dataSet || !dataSet->isOpen()) return false;
  bool moved = false;
  try {
    moved = dataSet->moveToShownRow(row);
  } catch (...) {
    showCurrentRow();  // the selection shows where the cursor stayed
    throw;
  }
  showCurrentRow();
  return moved;
}

}  // namespace ds
