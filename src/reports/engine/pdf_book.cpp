#include "pdf_book.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "page_painter.h"

namespace rebound::report {
namespace {

constexpr int kPdfResolution = 1200;

// Keeps shared ownership out of the way for a document the caller owns.
std::shared_ptr<const Document> Borrow(const Document& doc) {
  return std::shared_ptr<const Document>(&doc, [](const Document*) {});
}

}  // namespace

void PdfBook::Append(std::shared_ptr<const Document> doc) {
  if (doc) docs_.append(std::move(doc));
}

int PdfBook::PageCount() const {
  int n = 0;
  for (const auto& d : docs_) n += d->PageCount();
  return n;
}

bool PdfBook::Write(const QString& path, QString* error) const {
  auto fail = [&](const QString& message) {
    if (error) *error = message;
    return false;
  };
  if (PageCount() == 0) return fail(QStringLiteral("没有可以写入 PDF 的页"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return fail(QStringLiteral("无法写入“%1”：%2").arg(path, file.errorString()));
  }
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("回弹仪"));
    QString title = title_;
    if (title.isEmpty()) title = docs_.first()->title;
    writer.setTitle(title);
    QPainter painter;
    bool first = true;
    for (const auto& doc : docs_) {
      for (int i = 0; i < doc->PageCount(); ++i) {
        // Set before each page: a report on other paper takes effect with
        // its first page.
        writer.setPageLayout(doc->pageLayout);
        if (first) {
          if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(QStringLiteral("无法创建 PDF“%1”").arg(path));
          }
          first = false;
        } else if (!writer.newPage()) {
          painter.end();
          file.cancelWriting();
          return fail(QStringLiteral("无法在 PDF“%1”里新建一页").arg(path));
        }
        const QRectF full = doc->pageLayout.fullRectPixels(kPdfResolution);
        paintPage(painter, *doc, i, QRectF(QPointF(0, 0), full.size()));
      }
    }
    painter.end();
  }
  if (!file.commit()) {
    return fail(QStringLiteral("无法写入“%1”：%2").arg(path, file.errorString()));
  }
  return true;
}

bool WriteDocumentPdf(const Document& doc, const QString& path, QString* error) {
  PdfBook book;
  book.Append(Borrow(doc));
  return book.Write(path, error);
}

}  // namespace rebound::report
