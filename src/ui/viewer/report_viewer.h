#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

#include "engine/page_model.h"
#include "engine/report.h"
#include "viewer/report_printing.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QToolBar;
class QAction;

namespace rebound::report {

class PageView;

// The report viewer: pages with zoom, page navigation, print and PDF export.
// Start() generates the report it is given (the record event runs) and shows
// the pages; Stop() drops them. Print and export use the pages shown, they
// do not fetch the records again.
class ReportViewer : public QWidget {
  Q_OBJECT

 public:
  // Returns the chosen file name, empty when cancelled.
  using SaveFileFunction = std::function<QString(QWidget* parent, const QString& suggested)>;
  // Tells the user about a failure.
  using MessageFunction = std::function<void(QWidget* parent, const QString& message)>;

  explicit ReportViewer(QWidget* parent = nullptr);
  ~ReportViewer() override;

  void SetReport(Report* report);  // not owned; must outlive the viewer's use of it
  Report* GetReport() const { return report_; }

  bool Start();
  void Stop();
  bool IsRunning() const { return running_; }

  // Shows pages generated elsewhere (no report needed).
  void ShowDocument(std::shared_ptr<const Document> doc);
  std::shared_ptr<const Document> ShownDocument() const;

  void SetSaveFileFunction(SaveFileFunction f) { saveFile_ = std::move(f); }
  void SetPrintDialogFunction(PrintDialogFunction f) { printDialog_ = std::move(f); }
  void SetMessageFunction(MessageFunction f) { message_ = std::move(f); }

  int PageCount() const;
  int CurrentPage() const;  // 0-based, -1 without pages
  void GoToPage(int page);
  PageView* View() const { return view_; }

  // The zoom choices of the tool bar: fit width, fit page, or a percentage.
  void ZoomFitWidth();
  void ZoomFitPage();
  void ZoomPercent(int percent);

  // What the tool bar buttons do.
  bool ExportPdf();
  bool PrintPages();

 signals:
  void started(bool ok);
  void stopped();

 private:
  void BuildToolBar();
  void UpdateControls();
  void OnZoomChosen(int index);
  void Tell(const QString& message);

  Report* report_ = nullptr;
  bool running_ = false;
  PageView* view_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QAction* first_ = nullptr;
  QAction* previous_ = nullptr;
  QAction* next_ = nullptr;
  QAction* last_ = nullptr;
  QAction* print_ = nullptr;
  QAction* export_ = nullptr;
  QSpinBox* pageBox_ = nullptr;
  QLabel* pageCount_ = nullptr;
  QComboBox* zoom_ = nullptr;
  SaveFileFunction saveFile_;
  PrintDialogFunction printDialog_;
  MessageFunction message_;
};

}  // namespace rebound::report
