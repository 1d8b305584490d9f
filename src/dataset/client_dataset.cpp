#include "client_dataset.h"

#include "data_source.h"
#include "database_error.h"
#include "field_conversion.h"
#include "sql_text.h"

#include <algorithm>
#include <QLocale>

namespace ds {

ClientDataSet::ClientDataSet(QString name, Provider &provider)
    : name_(std::move(name)), provider_(provider), decimalSeparator_(QLocale().decimalPoint().at(0)) {}

ClientDataSet::~ClientDataSet() {
  if (isOpen()) provider_.command().inUse_ = false;
  for (DataSource *source : sources_) source->dataSet_ = nullptr;
}

void ClientDataSet::setFieldDefs(const QList<FieldDef> &defs) {
  if (isOpen()) throw EDatabaseError(QStringLiteral("%1: Cannot perform this operation on an open dataset").arg(name_));
  declared_ = defs;
  fields_.clear();
  for (const FieldDef &def : defs) fields_.emplace_back(new Field(*this, int(fields_.size()), def));
}

// ---- opening, closing, re-reading

void ClientDataSet::open() {
  if (isOpen()) return;
  fb::ResultSet answer = provider_.fetch();
  makeFields(answer.columns);
  rows_ = takeRows(std::move(answer));
  provider_.command().inUse_ = true;
  current_ = rows_.empty() ? -1 : 0;
  bof_ = true;
  eof_ = rows_.empty();
  setState(DataSetState::Browse);
  notify(Notice::DataSetChanged);
  if (!rows_.empty()) fire(afterScroll);
}

void ClientDataSet::close() {
  if (!isOpen()) return;
  fire(beforeClose);
  if (!isOpen()) return;
  rows_.clear();
  log_.clear();
  editRow_.reset();
  modified_ = false;
  current_ = -1;
  bof_ = eof_ = true;
  provider_.command().inUse_ = false;
  if (declared_.isEmpty()) fields_.clear();
  setState(DataSetState::Closed);
  notify(Notice::DataSetChanged);
}

void ClientDataSet::refresh() {
  checkBrowseMode();
  if (!log_.isEmpty()) throw EDatabaseError(QStringLiteral("Must apply updates before refreshing data"));
  const int position = recordNumber();
  rows_ = takeRows(provider_.fetch());
  current_ = rows_.empty() ? -1 : std::clamp(position, 1, recordCount()) - 1;
  bof_ = eof_ = rows_.empty();
  notify(Notice::DataSetChanged);
}

void ClientDataSet::makeFields(const QList<fb::Column> &columns) {
  if (!declared_.isEmpty()) return;
  fields_.clear();
  for (const fb::Column &column : columns) {
    FieldDef def{column.name, column.type, column.type == fb::ColumnType::Text ? column.length : 0, 0, column.scale};
    def.required = !column.nullable;
    fields_.emplace_back(new Field(*this, int(fields_.size()), def));
  }
}

std::vector<ClientDataSet::HeldRow> ClientDataSet::takeRows(fb::ResultSet answer) {
  const QString table = sql_text::tableAfterFrom(provider_.command().text());
  QList<int> source;
  QList<WriteColumn> writeColumns;
  for (const auto &field : fields_) {
    // Fields made from the answer match its columns one to one, even where two share a name.
    const int index = declared_.isEmpty() ? field->index() : answer.indexOf(field->fieldName());
    if (index < 0) throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(name_, field->fieldName()));
    const fb::Column &column = answer.columns[index];
    if (column.type != field->dataType())
      throw EDatabaseError(QStringLiteral("%1: Type mismatch for field '%2'").arg(name_, field->fieldName()));
    const bool ofTable = !column.field.isEmpty() && column.relation == table;
    writeColumns << WriteColumn{ofTable ? column.field : QString(), field->isKey(),
                                field->dataType() != fb::ColumnType::Blob};
    source << index;
  }
  bool inAnswerOrder = source.size() == answer.columns.size();
  for (int i = 0; inAnswerOrder && i < source.size(); ++i) inAnswerOrder = source[i] == i;

  std::vector<HeldRow> rows;
  rows.reserve(answer.rows.size());
  QList<fb::Value> inFieldOrder(source.size());
  for (QList<fb::Value> &values : answer.rows) {
    if (!inAnswerOrder) {
      for (int i = 0; i < source.size(); ++i) inFieldOrder[i] = values[source[i]];
    }
    rows.push_back({++lastRowId_, PackedRow(inAnswerOrder ? values : inFieldOrder)});
    values.clear();  // the answer's copy is not needed any more
  }
  writeColumns_ = writeColumns;
  return rows;
}

// ---- cursor

int ClientDataSet::recordNumber() const {
  return state_ == DataSetState::Insert ? insertAt_ + 1 : current_ + 1;
}

void ClientDataSet::first() {
  checkBrowseMode();
  bof_ = true;
  eof_ = rows_.empty();
  moveTo(rows_.empty() ? -1 : 0);
}

void ClientDataSet::last() {
  checkBrowseMode();
  eof_ = true;
  bof_ = rows_.empty();
  moveTo(recordCount() - 1);
}

int ClientDataSet::moveBy(int distance) {
  checkBrowseMode();
  if (distance == 0 || (distance > 0 && eof_) || (distance < 0 && bof_)) return 0;
  const long long wanted = (long long)current_ + distance;
  bof_ = wanted < 0;
  eof_ = wanted >= recordCount();
  const int target = int(std::clamp<long long>(wanted, 0, recordCount() - 1));
  const int moved = std::abs(target - current_);
  moveTo(target);
  return moved;
}

bool ClientDataSet::locate(QStringView fieldName, const QString &value) {
  checkBrowseMode();
  const Field &field = fieldByName(fieldName);
  for (int row = 0; row < recordCount(); ++row) {
    if (rows_[row].cells.value(field.index()).toString(decimalSeparator_) != value) continue;
    bof_ = eof_ = false;
    moveTo(row);
    return true;
  }
  return false;
}

void ClientDataSet::findNearest(const QString &value) {
  checkBrowseMode();
  const QList<sql_text::SortColumn> order = sql_text::orderBy(provider_.command().text());
  const Field *field = order.isEmpty() ? nullptr : findField(order.first().name);
  if (!field) throw EDatabaseError(QStringLiteral("%1: No index currently active").arg(name_));
  if (rows_.empty()) return;
  const fb::Value wanted = valueFromText(value, field->def(), decimalSeparator_);
  const int direction = order.first().descending ? -1 : 1;
  int target = recordCount() - 1;
  for (int row = 0; row < recordCount(); ++row) {
    if (direction * compareValues(rows_[row].cells.value(field->index()), wanted) >= 0) {
      target = row;
      break;
    }
  }
  bof_ = eof_ = false;
  moveTo(target);
}

bool ClientDataSet::moveToShownRow(int row) {
  checkActive();
  if (row < 0 || row >= shownRowCount()) return false;
  if (row == shownCurrentRow()) return true;
  const int held = state_ == DataSetState::Insert && row > insertAt_ ? row - 1 : row;
  const quint64 id = rows_[held].id;
  checkBrowseMode();
  if (rows_.empty()) return false;
  const auto found = std::find_if(rows_.begin(), rows_.end(), [id](const HeldRow &r) { return r.id == id; });
  const int target = found != rows_.end() ? int(found - rows_.begin()) : std::min(held, recordCount() - 1);
  if (target != current_) {
    bof_ = eof_ = false;
    moveTo(target);
  }
  return true;
}

void ClientDataSet::moveTo(int row) {
  current_ = row;
  notify(Notice::Scrolled);
  fire(afterScroll);
}

// ---- fields

Field *ClientDataSet::findField(QStringView fieldName) const {
  for (const auto &field : fields_)
    if (field->fieldName().compare(fieldName, Qt::CaseInsensitive) == 0) return field.get();
  return nullptr;
}

Field &ClientDataSet::fieldByName(QStringView fieldName) const {
  if (Field *field = findField(fieldName)) return *field;
  throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(name_, fieldName));
}

fb::Value ClientDataSet::currentValue(int fieldIndex) const {
  if (editRow_) return editRow_->values[fieldIndex];
  if (current_ >= 0) return rows_[current_].cells.value(fieldIndex);
  return {};
}

void ClientDataSet::setCurrentValue(int fieldIndex, fb::Value value) {
  if (!isEditing()) throw EDatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(name_));
  editRow_->values[fieldIndex] = std::move(value);
  modified_ = true;
  notifyFieldChanged(*fields_[fieldIndex]);
}

fb::Value ClientDataSet::shownValue(int row, int fieldIndex) const {
  if (state_ == DataSetState::Insert) {
    if (row == insertAt_) return editRow_->values[fieldIndex];
    if (row > insertAt_) --row;
  } else if (state_ == DataSetState::Edit && row == current_) {
    return editRow_->values[fieldIndex];
  }
  return rows_[row].cells.value(fieldIndex);
}

// ---- changing rows

void ClientDataSet::checkBrowseMode() {
  checkActive();
  if (!isEditing()) return;
  pushPendingText();
  if (modified_)
    post();
  else
    cancel();
}

void ClientDataSet::insert() {
  checkBrowseMode();
  fire(beforeInsert);
  editRow_ = Row{++lastRowId_, QList<fb::Value>(fields_.size())};
  insertAt_ = std::max(current_, 0);  // before the row under the cursor
  modified_ = false;
  bof_ = eof_ = false;
  setState(DataSetState::Insert);
  notify(Notice::DataSetChanged);
  fire(afterInsert);
  fire(afterScroll);
}

void ClientDataSet::edit() {
  checkActive();
  if (isEditing()) return;
  if (rows_.empty()) {
    insert();
    return;
  }
  fire(beforeEdit);
  editRow_ = unpacked(current_);
  modified_ = false;
  setState(DataSetState::Edit);
}

void ClientDataSet::post() {
  if (!isEditing()) return;
  pushPendingText();
  fire(beforePost);
  if (!isEditing()) return;  // the handler cancelled: nothing to store
  try {
    storeEditedRow();
  } catch (const EDatabaseError &failure) {
    if (onPostError) onPostError(*this, failure);
    throw;
  }
  setState(DataSetState::Browse);
  notify(Notice::DataSetChanged);
  fire(afterPost);
}

void ClientDataSet::storeEditedRow() {
  for (const auto &field : fields_)
    if (field->isRequired() && editRow_->values[field->index()].isNull())
      throw EDatabaseError(QStringLiteral("Field '%1' must have a value").arg(field->fieldName()));
  if (state_ == DataSetState::Insert) {
    rows_.insert(rows_.begin() + insertAt_, {editRow_->id, PackedRow(editRow_->values)});
    current_ = insertAt_;
    log_.logInsert(*editRow_);
  } else {
    log_.logUpdate(unpacked(current_), *editRow_);
    rows_[current_].cells = PackedRow(editRow_->values);
  }
  editRow_.reset();
  modified_ = false;
}

void ClientDataSet::cancel() {
  if (!isEditing()) return;
  const bool wasInserting = state_ == DataSetState::Insert;
  editRow_.reset();
  modified_ = false;
  setState(DataSetState::Browse);
  notify(Notice::DataSetChanged);
  fire(afterCancel);
  if (wasInserting) fire(afterScroll);
}

void ClientDataSet::deleteRecord() {
  checkActive();
  if (state_ == DataSetState::Insert) {
    cancel();
    return;
  }
  const QString emptyFailure = QStringLiteral("Cannot perform this operation on an empty dataset");
  if (rows_.empty()) throw EDatabaseError(emptyFailure);
  fire(beforeDelete);
  if (current_ < 0) throw EDatabaseError(emptyFailure);  // the handler emptied the dataset
  log_.logDelete(unpacked(current_));
  rows_.erase(rows_.begin() + current_);
  current_ = std::min(current_, recordCount() - 1);
  editRow_.reset();
  modified_ = false;
  bof_ = eof_ = rows_.empty();
  setState(DataSetState::Browse);
  notify(Notice::DataSetChanged);
  fire(afterDelete);
  moveTo(current_);
}

int ClientDataSet::applyUpdates(int maxErrors) {
  checkBrowseMode();
  return provider_.applyUpdates(log_, writeColumns_, maxErrors);
}

void ClientDataSet::cancelUpdates() {
  checkActive();
  cancel();
  log_.clear();
  refresh();
}

// ---- plumbing

void ClientDataSet::checkActive() const {
  if (!isOpen()) throw EDatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void ClientDataSet::setState(DataSetState state) {
  if (state_ == state) return;
  state_ = state;
  notify(Notice::StateChanged);
}

void ClientDataSet::fire(const Event &event) {
  if (event) event(*this);
}

void ClientDataSet::pushPendingText() {
  for (DataSource *source : QList(sources_)) source->writePendingText();
}

void ClientDataSet::notify(Notice notice) {
  for (DataSource *source : QList(sources_)) {
    switch (notice) {
      case Notice::DataSetChanged: emit source->dataSetChanged(); break;
      case Notice::Scrolled: emit source->scrolled(); break;
      case Notice::StateChanged: emit source->stateChanged(); break;
    }
  }
}

void ClientDataSet::notifyFieldChanged(const Field &field) {
  for (DataSource *source : QList(sources_)) emit source->fieldChanged(field);
}

}  // namespace ds
