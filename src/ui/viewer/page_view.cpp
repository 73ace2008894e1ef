#include "page_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "engine/page_painter.h"
#include "engine/units.h"

namespace rebound::report {

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);
  verticalScrollBar()->setSingleStep(40);
  horizontalScrollBar()->setSingleStep(40);
}

void PageView::SetDocument(std::shared_ptr<const Document> doc) {
  doc_ = std::move(doc);
  if (doc_ && doc_->PageCount() > 0) message_.clear();
  current_ = -1;
  UpdateGeometry();
  verticalScrollBar()->setValue(0);
  UpdateCurrentPage();
  viewport()->update();
}

void PageView::SetMessage(const QString& message) {
  message_ = message;
  viewport()->update();
}

double PageView::MmPerUnit() const { return 1.0 / kUnitsPerMm; }

QSizeF PageView::PageSizePx() const {
  if (!doc_) return QSizeF();
  const double ppm = PixelsPerMm();
  return QSizeF(doc_->pageSize.width() * MmPerUnit() * ppm,
                doc_->pageSize.height() * MmPerUnit() * ppm);
}

double PageView::PixelsPerMm() const {
  const double realPpm = logicalDpiX() / 25.4;
  if (!doc_ || doc_->pageSize.isEmpty() || mode_ == ZoomMode::Percent) {
    return realPpm * percent_ / 100.0;
  }
  const double wMm = doc_->pageSize.width() * MmPerUnit();
  const double hMm = doc_->pageSize.height() * MmPerUnit();
  const QSize area = maximumViewportSize();
  // Leave room for the vertical scroll bar, which fit width always has.
  const double availW = area.width() - 2 * kGap - verticalScrollBar()->sizeHint().width();
  const double availH = area.height() - 2 * kGap;
  double ppm = availW / wMm;
  if (mode_ == ZoomMode::FitPage) ppm = std::min(ppm, availH / hMm);
  const double lo = realPpm * kMinPercent / 100.0, hi = realPpm * kMaxPercent / 100.0;
  return std::clamp(ppm, lo, hi);
}

int PageView::ZoomPercent() const {
  return static_cast<int>(std::lround(PixelsPerMm() / (logicalDpiX() / 25.4) * 100.0));
}

void PageView::SetZoomMode(ZoomMode mode) {
  const int page = current_;
  mode_ = mode;
  UpdateGeometry();
  if (page >= 0) GoToPage(page);
  viewport()->update();
  emit zoomChanged(ZoomPercent());
}

void PageView::SetZoomPercent(int percent) {
  percent_ = std::clamp(percent, kMinPercent, kMaxPercent);
  SetZoomMode(ZoomMode::Percent);
}

QRect PageView::PageRect(int page) const {
  const QSizeF size = PageSizePx();
  const int w = static_cast<int>(std::lround(size.width()));
  const int h = static_cast<int>(std::lround(size.height()));
  const int contentW = w + 2 * kGap;
  const int x = contentW < viewport()->width() ? (viewport()->width() - w) / 2
                                               : kGap - horizontalScrollBar()->value();
  const int y = kGap + page * (h + kGap) - verticalScrollBar()->value();
  return QRect(x, y, w, h);
}

void PageView::GoToPage(int page) {
  if (PageCount() == 0) return;
  page = std::clamp(page, 0, PageCount() - 1);
  const QSizeF size = PageSizePx();
  const int h = static_cast<int>(std::lround(size.height()));
  verticalScrollBar()->setValue(page * (h + kGap));
  if (current_ != page) {
    current_ = page;
    emit currentPageChanged(current_);
  }
  viewport()->update();
}

void PageView::UpdateGeometry() {
  const QSizeF size = PageSizePx();
  const int n = PageCount();
  const int w = static_cast<int>(std::lround(size.width())) + 2 * kGap;
  const int h = n > 0 ? n * (static_cast<int>(std::lround(size.height())) + kGap) + kGap : 0;
  const QSize vp = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, w - vp.width()));
  horizontalScrollBar()->setPageStep(vp.width());
  verticalScrollBar()->setRange(0, std::max(0, h - vp.height()));
  verticalScrollBar()->setPageStep(vp.height());
}

void PageView::UpdateCurrentPage() {
  int page = -1;
  const int n = PageCount();
  if (n > 0) {
    const int h = static_cast<int>(std::lround(PageSizePx().height())) + kGap;
    // The page under the upper third of the view; at the very end of the
    // scroll range the last page, which may not reach that far up.
    const QScrollBar* bar = verticalScrollBar();
    const int probe = bar->value() + viewport()->height() / 3;
    page = std::clamp(h > 0 ? probe / h : 0, 0, n - 1);
    if (bar->maximum() > 0 && bar->value() >= bar->maximum()) page = n - 1;
  }
  if (page != current_) {
    current_ = page;
    emit currentPageChanged(current_);
  }
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const int page = current_;
  UpdateGeometry();
  if (mode_ != ZoomMode::Percent && page >= 0) GoToPage(page);
  emit zoomChanged(ZoomPercent());
}

void PageView::scrollContentsBy(int, int) {
  UpdateCurrentPage();
  viewport()->update();
}

void PageView::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) SetZoomPercent(ZoomPercent() + steps * 10);
    event->accept();
    return;
  }
  QAbstractScrollArea::wheelEvent(event);
}

void PageView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), QColor(0x80, 0x84, 0x88));
  if (PageCount() == 0) {
    if (!message_.isEmpty()) {
      painter.setPen(Qt::white);
      painter.drawText(viewport()->rect().adjusted(20, 20, -20, -20),
                       Qt::AlignCenter | Qt::TextWordWrap, message_);
    }
    return;
  }
  for (int i = 0; i < PageCount(); ++i) {
    const QRect r = PageRect(i);
    if (r.bottom() < event->rect().top() - 4) continue;
    if (r.top() > event->rect().bottom()) break;
    painter.fillRect(r.translated(3, 3), QColor(0, 0, 0, 70));
    painter.fillRect(r, Qt::white);
    painter.save();
    painter.setClipRect(r);
    paintPage(painter, *doc_, i, QRectF(r));
    painter.restore();
  }
}

}  // namespace rebound::report
