#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace rebound::report {

class RecordSink;

// A named field of a loaded template. Values set through it go into the
// record the engine is fetching. The handle outlives its template: once
// another template is loaded, setting a value through it does nothing.
class Field {
 public:
  // Made by Report::FieldByName.
  Field(std::weak_ptr<RecordSink> sink, int index, QString name);

  const QString& Name() const { return name_; }
  void SetText(const QString& text);
  void SetInteger(qint64 value);  // stored as its decimal text

 private:
  std::weak_ptr<RecordSink> sink_;
  int index_;
  QString name_;
};

// Empty (nullptr) when the template declares no field of the name asked.
using FieldHandle = std::shared_ptr<Field>;

}  // namespace rebound::report
