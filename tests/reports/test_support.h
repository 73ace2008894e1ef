#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

#include "engine/page_model.h"
#include "engine/report.h"

namespace rebound::report::test {

QString DataPath(const QString& name);  // under tests/data/reports

using Record = QMap<QString, QString>;

// Feeds records the way the data binding does: binds the handles after a
// load, and on each call fills the next record or answers eof.
class Feeder {
 public:
  Feeder(Report& report, QList<Record> records);
  void Bind();          // FieldByName for every name used in the records
  void Rewind() { next_ = 0; }
  int Calls() const { return calls_; }

 private:
  Report& report_;
  QList<Record> records_;
  QMap<QString, FieldHandle> handles_;
  int next_ = 0;
  int calls_ = 0;
};

// Numbered records for the paging fixture: 序号 1.., 页眉 "页眉-1"...
QList<Record> PagingRecords(int n);

// Cells of a page, filtered.
QList<const PageCell*> Cells(const Page& page, BandKind band);
const PageCell* FindCell(const Page& page, BandKind band, int row, int column, int record = -2);
QStringList Texts(const Page& page, BandKind band);

// Runs a poppler tool; nullopt when it is not installed.
std::optional<QString> RunTool(const QString& program, const QStringList& args);

}  // namespace rebound::report::test
