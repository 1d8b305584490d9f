#pragma once

#include "change_log.h"
#include "field.h"
#include "packed_row.h"
#include "provider.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include <QStringView>

class EDatabaseError;

namespace ds {

class DataSource;

enum class DataSetState { Closed, Browse, Edit, Insert };

// Holds every row of its provider's answer in memory, with a cursor, a
// state, typed fields, events and a log of pending changes that apply
// updates writes back. Failures are EDatabaseError (EConvertError from field
// conversions) and reach the caller of the operation.
class ClientDataSet {
 public:
  using Event = std::function<void(ClientDataSet &)>;
  using ErrorEvent = std::function<void(ClientDataSet &, const EDatabaseError &)>;

  ClientDataSet(QString name, Provider &provider);
  ~ClientDataSet();
  ClientDataSet(const ClientDataSet &) = delete;
  ClientDataSet &operator=(const ClientDataSet &) = delete;

  // The events, fired in the fixed order of each operation below.
  Event beforeInsert, afterInsert, beforeEdit, beforePost, afterPost, afterCancel, beforeDelete, afterDelete,
      afterScroll, beforeClose;
  ErrorEvent onPostError;  // storing a posted row failed; the failure then reaches the caller of post

  const QString &name() const { return name_; }
  Provider &provider() const { return provider_; }

  // Declares the fields (persistent fields). Without declarations the fields
  // are made from the columns of each answer and live while it is open.
  void setFieldDefs(const QList<FieldDef> &defs);
  // Numbers are read and written as text with this separator; the locale's by default.
  void setDecimalSeparator(QChar separator) { decimalSeparator_ = separator; }
  QChar decimalSeparator() const { return decimalSeparator_; }

  DataSetState state() const { return state_; }
  bool isOpen() const { return state_ != DataSetState::Closed; }
  bool isEditing() const { return state_ == DataSetState::Edit || state_ == DataSetState::Insert; }
  bool isModified() const { return modified_; }

  // Runs the command and holds its rows; cursor on the first, after-scroll
  // for it when there is one. Nothing happens when already open.
  void open();
  // Before-close, then the rows and every pending change are dropped.
  void close();

  // Moves post a row being inserted or changed first (or cancel it when
  // nothing in it changed), then move and fire after-scroll.
  void first();
  void last();
  void next() { moveBy(1); }
  void prior() { moveBy(-1); }
  // Moves by `distance` rows as far as the rows go; returns the rows moved.
  int moveBy(int distance);
  // After last, after a move past the last row, and with no row.
  bool atEnd() const { return eof_; }
  // After opening, after first, after a move before the first row, and with no row.
  bool atBeginning() const { return bof_; }
  bool isEmpty() const { return rows_.empty(); }
  int recordCount() const { return int(rows_.size()); }
  // 1-based position of the current row (of the row being inserted); 0 with no row.
  int recordNumber() const;
  // The first row whose column shows exactly `value`; false and no move when none.
  bool locate(QStringView fieldName, const QString &value);
  // The first row, in the order of the command's ORDER BY, whose sort value is
  // not less than `value`, or the last row when every one is less.
  void findNearest(const QString &value);
  // Posts or cancels a row being inserted or changed, as a move does.
  void checkBrowseMode();

  const std::vector<std::unique_ptr<Field>> &fields() const { return fields_; }
  Field *findField(QStringView fieldName) const;
  Field &fieldByName(QStringView fieldName) const;  // regardless of case; throws when absent

  // Posts or cancels as a move does; before-insert; a new empty row before
  // the row under the cursor (state insert); after-insert; after-scroll.
  void insert();
  // Nothing while inserting or changing; an insert on an empty dataset;
  // otherwise before-edit, then state edit.
  void edit();
  // Nothing in browse. Bound editors hand over their text; before-post (a
  // handler that cancels ends the post quietly); the row is stored and its
  // change logged, then state browse and after-post. A required field left
  // empty fails the storing: post-error fires, the failure reaches the
  // caller and the state stays.
  void post();
  // Nothing in browse. Drops the pending values; state browse; after-cancel;
  // after-scroll when a new row was dropped.
  void cancel();
  // While inserting: cancel. On an empty dataset: fails. Otherwise (also
  // while changing, whose values are dropped) before-delete; the row is
  // removed and its removal logged; state browse; after-delete; after-scroll.
  void deleteRecord();

  int changeCount() const { return log_.size(); }
  const ChangeLog &changeLog() const { return log_; }
  // Posts or cancels as a move does, then Provider::applyUpdates; −1: no limit.
  int applyUpdates(int maxErrors);
  // Gives up every pending change, such as one the database keeps refusing:
  // cancels a row being inserted or changed, empties the log and re-reads
  // the rows as refresh does.
  void cancelUpdates();
  // Posts or cancels as a move does; refused with "Must apply updates before
  // refreshing data" while changes are pending; otherwise re-reads every row
  // and keeps the cursor's record number. No scroll event.
  void refresh();

  // The rows as bound grids show them: the held rows plus the row being inserted.
  int shownRowCount() const { return recordCount() + (state_ == DataSetState::Insert ? 1 : 0); }
  int shownCurrentRow() const { return recordNumber() - 1; }
  fb::Value shownValue(int row, int fieldIndex) const;
  // Moves to the row shown at `row`, as a move does; the same row even when
  // the post or cancel on the way shifts the others, or the row at its
  // position when the rows were re-read on the way. False when out of range.
  bool moveToShownRow(int row);

 private:
  friend class Field;
  friend class DataSource;

  enum class Notice { DataSetChanged, Scrolled, StateChanged };

  struct HeldRow {
    quint64 id;
    PackedRow cells;
  };

  fb::Value currentValue(int fieldIndex) const;
  void setCurrentValue(int fieldIndex, fb::Value value);

  void checkActive() const;
  void makeFields(const QList<fb::Column> &columns);
  // Takes the rows of an answer in field order, and the columns they write back to.
  std::vector<HeldRow> takeRows(fb::ResultSet answer);
  Row unpacked(int row) const { return {rows_[row].id, rows_[row].cells.values()}; }
  void pushPendingText();
  void storeEditedRow();
  void setState(DataSetState state);
  void moveTo(int row);  // places the cursor, notifies and fires after-scroll
  void fire(const Event &event);
  void notify(Notice notice);
  void notifyFieldChanged(const Field &field);

  QString name_;
  Provider &provider_;
  QChar decimalSeparator_;
  QList<FieldDef> declared_;
  std::vector<std::unique_ptr<Field>> fields_;
  QList<WriteColumn> writeColumns_;
  std::vector<HeldRow> rows_;
  quint64 lastRowId_ = 0;
  int current_ = -1;  // index into rows_; -1 with no row
  bool bof_ = true, eof_ = true;
  DataSetState state_ = DataSetState::Closed;
  std::optional<Row> editRow_;  // the row being inserted or changed
  int insertAt_ = 0;
  bool modified_ = false;
  ChangeLog log_;
  QList<DataSource *> sources_;
};

}  // namespace ds
