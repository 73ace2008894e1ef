#include "field.h"

#include "record_sink.h"

namespace rebound::report {

Field::Field(std::weak_ptr<RecordSink> sink, int index, QString name)
    : sink_(std::move(sink)), index_(index), name_(std::move(name)) {}

void Field::SetText(const QString& text) {
  if (auto sink = sink_.lock()) sink->Set(index_, text);
}

void Field::SetInteger(qint64 value) { SetText(QString::number(value)); }

}  // namespace rebound::report
