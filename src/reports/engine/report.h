#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "field.h"
#include "page_model.h"

namespace rebound::report {

struct LoadResult {
  bool ok = false;
  QString message;  // names the file, the line and column where known, and the reason
  qint64 line = 0;  // 0 when the failure has no place in the file
  qint64 column = 0;
};

// The report object: holds one template, hands out field handles, pulls the
// records through the record handler and lays them out into pages.
class Report {
 public:
  Report();
  ~Report();
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;

  // Loads a template. A failed load leaves the template loaded before, its
  // fields and its generated pages exactly as they were.
  LoadResult LoadFromFile(const QString& path);
  // The same from bytes; `sourceName` stands for the file in messages.
  LoadResult LoadFromData(const QByteArray& data, const QString& sourceName);

  bool IsLoaded() const;
  QString TemplatePath() const;
  QString Title() const;
  QStringList FieldNames() const;

  // The field of that name in the loaded template; empty when it declares none.
  FieldHandle FieldByName(const QString& name) const;

  // The record event. Before the first call eof is set true, once. For each
  // call the engine appends an empty record and calls the handler, which
  // fills it through field handles and sets eof; with eof false the record is
  // kept and the handler called again, with eof true the fetch ends and the
  // record appended for that call is dropped.
  void SetFetchRecordHandler(std::function<void(bool& eof)> handler);
  // Records beyond this many end the fetch with an error, so that a handler
  // which never sets eof cannot hang the program.
  void SetRecordLimit(int limit);
  static constexpr int kDefaultRecordLimit = 100000;

  // Fetches all records afresh through the handler, then lays out the
  // pages. False (with a message) when no template is loaded, while a
  // generation is already running, or past the record limit; the pages of
  // the previous generation then stay.
  bool Generate(QString* error = nullptr);

  // The pages of the last successful Generate (null before it, or after a
  // new template loaded).
  std::shared_ptr<const Document> GeneratedDocument() const;
  int PageCount() const;
  QPageLayout PageLayout() const;
  QSizeF PageSizeMm() const;
  void PaintPage(QPainter& painter, int pageIndex, const QRectF& target) const;

  // Generates (the record event runs) and writes the pages as PDF.
  bool WritePdf(const QString& path, QString* error = nullptr);

  static constexpr qint64 kMaxTemplateBytes = 4 * 1024 * 1024;

 private:
  struct Loaded;
  std::shared_ptr<Loaded> loaded_;
  std::function<void(bool&)> handler_;
  std::shared_ptr<const Document> document_;
  int recordLimit_ = kDefaultRecordLimit;
  bool generating_ = false;
};

}  // namespace rebound::report
