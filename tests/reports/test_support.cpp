#include "test_support.h"

#include <QProcess>
#include <QStandardPaths>

namespace rebound::report::test {

QString DataPath(const QString& name) {
  return QStringLiteral(REBOUND_TEST_DATA "/reports/") + name;
}

Feeder::Feeder(Report& report, QList<Record> records)
    : report_(report), records_(std::move(records)) {
  report_.SetFetchRecordHandler([this](bool& eof) {
    ++calls_;
    if (next_ >= records_.size()) {
      eof = true;
      return;
    }
    const Record& r = records_[next_++];
    for (auto it = r.begin(); it != r.end(); ++it) {
      if (const FieldHandle& h = handles_.value(it.key())) h->SetText(it.value());
    }
    eof = false;
  });
  Bind();
}

void Feeder::Bind() {
  handles_.clear();
  for (const Record& r : records_) {
    for (auto it = r.begin(); it != r.end(); ++it) {
      if (!handles_.contains(it.key())) handles_.insert(it.key(), report_.FieldByName(it.key()));
    }
  }
}

QList<Record> PagingRecords(int n) {
  QList<Record> out;
  for (int i = 1; i <= n; ++i) {
    out.append(Record{{"序号", QString::number(i)},
                      {"数值", QString::number(i * 1.25, 'f', 2)},
                      {"文字", QStringLiteral("记录%1").arg(i)},
                      {"页眉", QStringLiteral("页眉-%1").arg(i)},
                      {"工程名称", i == 1 ? QStringLiteral("综合楼") : QString()}});
  }
  return out;
}

QList<const PageCell*> Cells(const Page& page, BandKind band) {
  QList<const PageCell*> out;
  for (const PageCell& c : page.cells) {
    if (c.band == band) out.append(&c);
  }
  return out;
}

const PageCell* FindCell(const Page& page, BandKind band, int row, int column, int record) {
  for (const PageCell& c : page.cells) {
    if (c.band == band && c.row == row && c.column == column && (record == -2 || c.record == record)) {
      return &c;
    }
  }
  return nullptr;
}

QStringList Texts(const Page& page, BandKind band) {
  QStringList out;
  for (const PageCell* c : Cells(page, band)) out.append(c->text);
  return out;
}

std::optional<QString> RunTool(const QString& program, const QStringList& args) {
  if (QStandardPaths::findExecutable(program).isEmpty()) return std::nullopt;
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace rebound::report::test
