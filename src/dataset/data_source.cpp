#include "data_source.h"

#include "client_dataset.h"

namespace ds {

DataSource::DataSource(ClientDataSet *dataSet, QObject *parent) : QObject(parent) { setDataSet(dataSet); }

DataSource::~DataSource() {
  if (dataSet_) dataSet_->sources_.removeOne(this);
}

void DataSource::setDataSet(ClientDataSet *dataSet) {
  if (dataSet_ == dataSet) return;
  if (dataSet_) dataSet_->sources_.removeOne(this);
  dataSet_ = dataSet;
  if (dataSet_) dataSet_->sources_ << this;
  emit dataSetChanged();
}

void DataSource::addPendingTextWriter(const QObject *editor, std::function<void()> write) {
  if (!writers_.contains(editor))
    connect(editor, &QObject::destroyed, this, [this, editor] { writers_.remove(editor); });
  writers_.insert(editor, std::move(write));
}

void DataSource::removePendingTextWriter(const QObject *editor) {
  writers_.remove(editor);
  disconnect(editor, &QObject::destroyed, this, nullptr);
}

void DataSource::writePendingText() {
  for (const auto &write : QList(writers_.values())) write();
}

}  // namespace ds
