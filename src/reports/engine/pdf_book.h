#pragma once

#include <QList>
#include <QString>

#include <memory>

#include "page_model.h"

namespace rebound::report {

// Several generated reports written into one PDF, each starting on a new
// page with its own paper and its own page numbering (a report's
// "第 N 页 共 M 页" counts only its own pages).
class PdfBook {
 public:
  void SetTitle(const QString& title) { title_ = title; }
  void Append(std::shared_ptr<const Document> doc);
  int DocumentCount() const { return static_cast<int>(docs_.size()); }
  int PageCount() const;

  // Writes all pages; the file is replaced only when writing succeeds.
  bool Write(const QString& path, QString* error = nullptr) const;

 private:
  QString title_;
  QList<std::shared_ptr<const Document>> docs_;
};

bool WriteDocumentPdf(const Document& doc, const QString& path, QString* error = nullptr);

}  // namespace rebound::report
