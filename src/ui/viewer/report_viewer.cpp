#include "report_viewer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "engine/pdf_book.h"
#include "viewer/page_view.h"

namespace rebound::report {
namespace {

const int kPercents[] = {50, 75, 100, 125, 150, 200, 400};
constexpr int kFitWidthItem = 0;
constexpr int kFitPageItem = 1;

QString DefaultSaveFile(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, QStringLiteral("导出PDF"), suggested,
                                      QStringLiteral("PDF 文件 (*.pdf)"));
}

void DefaultMessage(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, QApplication::applicationDisplayName(), message);
}

}  // namespace

ReportViewer::ReportViewer(QWidget* parent)
    : QWidget(parent), saveFile_(DefaultSaveFile), message_(DefaultMessage) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  toolbar_ = new QToolBar(this);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  layout->addWidget(toolbar_);
  view_ = new PageView(this);
  layout->addWidget(view_, 1);
  BuildToolBar();
  connect(view_, &PageView::currentPageChanged, this, &ReportViewer::UpdateControls);
  connect(view_, &PageView::zoomChanged, this, &ReportViewer::UpdateControls);
  UpdateControls();
}

ReportViewer::~ReportViewer() = default;

void ReportViewer::BuildToolBar() {
  first_ = toolbar_->addAction(QStringLiteral("首页"), this, [this] { GoToPage(0); });
  previous_ = toolbar_->addAction(QStringLiteral("上一页"), this,
                                  [this] { GoToPage(CurrentPage() - 1); });
  previous_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  toolbar_->addWidget(new QLabel(QStringLiteral(" 第 "), this));
  pageBox_ = new QSpinBox(this);
  pageBox_->setRange(0, 0);
  pageBox_->setKeyboardTracking(false);
  pageBox_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  pageBox_->setAlignment(Qt::AlignRight);
  pageBox_->setMinimumWidth(48);
  toolbar_->addWidget(pageBox_);
  pageCount_ = new QLabel(this);
  toolbar_->addWidget(pageCount_);
  connect(pageBox_, &QSpinBox::valueChanged, this, [this](int value) {
    if (value >= 1 && value - 1 != CurrentPage()) GoToPage(value - 1);
  });
  next_ = toolbar_->addAction(QStringLiteral("下一页"), this,
                              [this] { GoToPage(CurrentPage() + 1); });
  next_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  last_ = toolbar_->addAction(QStringLiteral("末页"), this, [this] { GoToPage(PageCount() - 1); });
  toolbar_->addSeparator();
  toolbar_->addWidget(new QLabel(QStringLiteral(" 缩放 "), this));
  zoom_ = new QComboBox(this);
  zoom_->addItem(QStringLiteral("适合宽度"));
  zoom_->addItem(QStringLiteral("整页"));
  for (int p : kPercents) zoom_->addItem(QStringLiteral("%1%").arg(p), p);
  zoom_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  toolbar_->addWidget(zoom_);
  connect(zoom_, &QComboBox::activated, this, &ReportViewer::OnZoomChosen);
  toolbar_->addSeparator();
  print_ = toolbar_->addAction(QStringLiteral("打印…"), this, [this] { PrintPages(); });
  print_->setShortcut(QKeySequence::Print);
  export_ = toolbar_->addAction(QStringLiteral("导出PDF…"), this, [this] { ExportPdf(); });
}

void ReportViewer::OnZoomChosen(int index) {
  if (index == kFitWidthItem) {
    ZoomFitWidth();
  } else if (index == kFitPageItem) {
    ZoomFitPage();
  } else {
    ZoomPercent(zoom_->itemData(index).toInt());
  }
}

void ReportViewer::SetReport(Report* report) { report_ = report; }

bool ReportViewer::Start() {
  running_ = true;
  QString error;
  if (!report_) {
    error = QStringLiteral("没有报表");
  } else if (report_->Generate(&error)) {
    view_->SetDocument(report_->GeneratedDocument());
    UpdateControls();
    emit started(true);
    return true;
  }
  view_->SetDocument(nullptr);
  view_->SetMessage(error);
  UpdateControls();
  emit started(false);
  return false;
}

void ReportViewer::Stop() {
  running_ = false;
  view_->SetDocument(nullptr);
  view_->SetMessage(QString());
  UpdateControls();
  emit stopped();
}

void ReportViewer::ShowDocument(std::shared_ptr<const Document> doc) {
  running_ = doc != nullptr;
  view_->SetDocument(std::move(doc));
  UpdateControls();
}

std::shared_ptr<const Document> ReportViewer::ShownDocument() const { return view_->GetDocument(); }

int ReportViewer::PageCount() const { return view_->PageCount(); }
int ReportViewer::CurrentPage() const { return view_->CurrentPage(); }

void ReportViewer::GoToPage(int page) {
  view_->GoToPage(page);
  UpdateControls();
}

void ReportViewer::ZoomFitWidth() { view_->SetZoomMode(PageView::ZoomMode::FitWidth); }
void ReportViewer::ZoomFitPage() { view_->SetZoomMode(PageView::ZoomMode::FitPage); }
void ReportViewer::ZoomPercent(int percent) { view_->SetZoomPercent(percent); }

void ReportViewer::UpdateControls() {
  const int n = PageCount();
  const int current = CurrentPage();
  const bool any = n > 0;
  first_->setEnabled(any && current > 0);
  previous_->setEnabled(any && current > 0);
  next_->setEnabled(any && current < n - 1);
  last_->setEnabled(any && current < n - 1);
  print_->setEnabled(any);
  export_->setEnabled(any);
  pageBox_->setEnabled(any);
  {
    const QSignalBlocker block(pageBox_);
    pageBox_->setRange(any ? 1 : 0, any ? n : 0);
    pageBox_->setValue(any ? current + 1 : 0);
  }
  pageCount_->setText(QStringLiteral(" 页 / 共 %1 页 ").arg(n));
  const QSignalBlocker block(zoom_);
  switch (view_->GetZoomMode()) {
    case PageView::ZoomMode::FitWidth:
      zoom_->setCurrentIndex(kFitWidthItem);
      break;
    case PageView::ZoomMode::FitPage:
      zoom_->setCurrentIndex(kFitPageItem);
      break;
    case PageView::ZoomMode::Percent: {
      const int percent = view_->ZoomPercent();
      int index = zoom_->findData(percent);
      if (index < 0) {
        // A zoom reached with Ctrl+wheel gets its own entry at the end.
        if (zoom_->count() > kFitPageItem + 1 + static_cast<int>(std::size(kPercents))) {
          zoom_->removeItem(zoom_->count() - 1);
        }
        zoom_->addItem(QStringLiteral("%1%").arg(percent), percent);
        index = zoom_->count() - 1;
      }
      zoom_->setCurrentIndex(index);
      break;
    }
  }
}

void ReportViewer::Tell(const QString& message) {
  if (message_) message_(this, message);
}

bool ReportViewer::ExportPdf() {
  const auto doc = ShownDocument();
  if (!doc || doc->PageCount() == 0) return false;
  QString suggested = doc->title.isEmpty() ? QStringLiteral("报表") : doc->title;
  suggested += QStringLiteral(".pdf");
  QString path = saveFile_ ? saveFile_(this, suggested) : QString();
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  QString error;
  if (!WriteDocumentPdf(*doc, path, &error)) {
    Tell(error);
    return false;
  }
  return true;
}

bool ReportViewer::PrintPages() {
  const auto doc = ShownDocument();
  if (!doc || doc->PageCount() == 0) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(doc->pageLayout);
  printer.setDocName(doc->title);
  const bool accepted = printDialog_ ? printDialog_(this, printer, doc->PageCount())
                                     : ShowPrintDialog(this, printer, doc->PageCount());
  if (!accepted) return false;
  QString error;
  if (!PrintDocument(*doc, printer, &error)) {
    Tell(error);
    return false;
  }
  return true;
}

}  // namespace rebound::report
