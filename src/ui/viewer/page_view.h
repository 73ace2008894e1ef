#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <memory>

#include "engine/page_model.h"

namespace rebound::report {

// The pages of a document one below the other on a grey desk, scrolled
// vertically, at a zoom that follows the window (fit width, fit page) or
// stays at a percentage of the real paper size.
class PageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  enum class ZoomMode { FitWidth, FitPage, Percent };

  explicit PageView(QWidget* parent = nullptr);

  void SetDocument(std::shared_ptr<const Document> doc);
  std::shared_ptr<const Document> GetDocument() const { return doc_; }
  // Shown in place of pages, e.g. why there are none.
  void SetMessage(const QString& message);
  QString Message() const { return message_; }

  void SetZoomMode(ZoomMode mode);
  void SetZoomPercent(int percent);
  ZoomMode GetZoomMode() const { return mode_; }
  // Screen pixels per millimetre of paper, as shown now.
  double PixelsPerMm() const;
  int ZoomPercent() const;  // the current zoom as a percentage of the real size

  int PageCount() const { return doc_ ? doc_->PageCount() : 0; }
  int CurrentPage() const { return current_; }  // 0-based; -1 without pages
  void GoToPage(int page);
  QRect PageRect(int page) const;  // in viewport coordinates

  static constexpr int kMinPercent = 10;
  static constexpr int kMaxPercent = 800;

 signals:
  void currentPageChanged(int page);
  void zoomChanged(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QSizeF PageSizePx() const;
  void UpdateGeometry();
  void UpdateCurrentPage();
  double MmPerUnit() const;

  std::shared_ptr<const Document> doc_;
  QString message_;
  ZoomMode mode_ = ZoomMode::FitWidth;
  int percent_ = 100;
  int current_ = -1;
  static constexpr int kGap = 16;
};

}  // namespace rebound::report
