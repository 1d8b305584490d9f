#pragma once

#include <functional>
#include <QHash>
#include <QObject>

namespace ds {

class ClientDataSet;
class Field;

// The point to which screen controls bind: it tells them when the current
// row, the held rows, the state or a field changes, and lets bound editors
// hand over the text they hold before a row is stored.
class DataSource : public QObject {
  Q_OBJECT

 public:
  explicit DataSource(ClientDataSet *dataSet = nullptr, QObject *parent = nullptr);
  ~DataSource() override;

  ClientDataSet *dataSet() const { return dataSet_; }
  void setDataSet(ClientDataSet *dataSet);

  // `write` runs before every post and every implicit post (a move), while the
  // row is being inserted or changed; it should write into the fields only a
  // text the user changed. A failure it throws stops the post. Dropped when
  // `editor` is destroyed or through removePendingTextWriter.
  void addPendingTextWriter(const QObject *editor, std::function<void()> write);
  void removePendingTextWriter(const QObject *editor);

 signals:
  void dataSetChanged();  // opened, closed, re-read, a row inserted, stored, dropped or removed
  void scrolled();        // the cursor moved
  void stateChanged();
  void fieldChanged(const ds::Field &field);  // a field of the current row was written

 private:
  friend class ClientDataSet;
  void writePendingText();

  ClientDataSet *dataSet_ = nullptr;
  QHash<const QObject *, std::function<void()>> writers_;
};

}  // namespace ds
