#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// Collects the records of one loaded template while the record handler runs.
// A value set while no record is open (outside the handler) is ignored.
namespace rebound::report {

class RecordSink {
 public:
  explicit RecordSink(int fieldCount) : fieldCount_(fieldCount) {}

  void Begin() {
    current_ = QStringList();
    current_.resize(fieldCount_);
    open_ = true;
  }
  void Set(int field, const QString& value) {
    if (open_ && field >= 0 && field < fieldCount_) current_[field] = value;
  }
  void Keep() {
    if (open_) records_.append(current_);
    open_ = false;
  }
  void Drop() { open_ = false; }
  void Clear() {
    records_.clear();
    open_ = false;
  }
  qsizetype Count() const { return records_.size(); }
  QList<QStringList> Take() { return std::exchange(records_, {}); }

 private:
  int fieldCount_;
  bool open_ = false;
  QStringList current_;
  QList<QStringList> records_;
};

}  // namespace rebound::report
