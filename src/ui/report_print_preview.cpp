#include "report_print_preview.h"

#include "command_guard.h"
#include "prompter.h"
#include "viewer/report_viewer.h"

#include <QFont>
#include <QHideEvent>
#include <QIcon>
#include <QShowEvent>
#include <QVBoxLayout>

namespace rebound {

TReport_Print_Preview::TReport_Print_Preview(const ReboundFile &project, const Rebound_Tester_Config &config,
                                             const ReportFieldHandles &fields, Prompter &prompter,
                                             QWidget *parent)
    : QDialog(parent), prompter_(prompter), fetcher_(project, config, fields)
{
    setObjectName(QStringLiteral("Report_Print_Preview"));
    setWindowTitle(QStringLiteral("Osprey 数显回弹仪 - 打印预览"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/print_preview.svg")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);
    resize(783, 452);
    setWindowState(Qt::WindowMaximized);

    Grid_Report_.SetFetchRecordHandler([this](bool &eof) { fetcher_.Grid_ReportFetchRecord(eof); });

    Gr_Print_Preview_ = new report::ReportViewer(this);
    Gr_Print_Preview_->setObjectName(QStringLiteral("Gr_Print_Preview"));
    Gr_Print_Preview_->SetReport(&Grid_Report_);
    Gr_Print_Preview_->SetMessageFunction(
        [this](QWidget *, const QString &message) { prompter_.inform(message); });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Gr_Print_Preview_);
}

TReport_Print_Preview::~TReport_Print_Preview() = default;

std::shared_ptr<const report::Document> TReport_Print_Preview::GenerateDocument(QString *error)
{
    fetcher_.Rewind();
    if (!Grid_Report_.Generate(error))
        return nullptr;
    return Grid_Report_.GeneratedDocument();
}

void TReport_Print_Preview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Building the pages runs inside an event handler: nothing may escape.
    if (!event->spontaneous())
        RunGuarded(prompter_, [this] { FormActivate(); });
}

void TReport_Print_Preview::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        RunGuarded(prompter_, [this] { FormClose(); });
}

void TReport_Print_Preview::FormActivate()
{
    // Every showing builds its pages from the first record: a window shown
    // again must not find the records of its last showing used up.
    fetcher_.Rewind();
    Gr_Print_Preview_->Start();
}

void TReport_Print_Preview::FormClose()
{
    Gr_Print_Preview_->Stop();
}

} // namespace rebound
