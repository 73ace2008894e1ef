#include "strength_chart.h"

#include "gbk_text.h"
#include "io/atomic_file.h"

#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace rebound {

namespace {

// Beyond this many zones the value labels on the bars run into each other.
constexpr int kMaxLabelledBars = 30;

double Shown(float value)
{
    return std::isfinite(value) ? static_cast<double>(value) : 0.0;
}

double LineValue(float value)
{
    return std::isfinite(value) ? static_cast<double>(value) : std::nan("");
}

QString Fixed(double value, int decimals)
{
    return QString::asprintf("%.*f", decimals, value);
}

// Every zone has its number under its bar while they fit; beyond that the
// numbers 1, k, 2k, … at their bars.
QAbstractAxis *ZoneAxis(const StrengthChartData &data)
{
    const int zones = static_cast<int>(data.categories.size());
    if (zones <= kMaxLabelledBars) {
        auto *axis = new QBarCategoryAxis;
        axis->append(data.categories);
        return axis;
    }
    // 5, 10, 20, 50, 100, …: the first that leaves at most 20 numbers.
    const auto step = [zones] {
        for (long long scale = 1;; scale *= 10) {
            for (long long first : {5, 10, 20}) {
                if (zones / (first * scale) <= 20)
                    return static_cast<int>(first * scale);
            }
        }
    }();
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(-0.5);
    axis->append(QStringLiteral("1"), 0);
    for (long long number = step; number <= zones; number += step)
        axis->append(QString::number(number), static_cast<double>(number - 1));
    axis->setRange(-0.5, zones - 0.5);
    axis->setGridLineVisible(false);
    return axis;
}

QLineSeries *HorizontalLine(QChart &chart, const QString &name, double value, int zones, const QPen &pen)
{
    auto *line = new QLineSeries;
    line->setName(name);
    line->setPen(pen);
    // A bar category axis places category i at i, its bars within ±0.5.
    line->append(-0.5, value);
    line->append(zones - 0.5, value);
    chart.addSeries(line);
    return line;
}

} // namespace

StrengthChartData StrengthChartData::FromProject(const ReboundFile &project)
{
    StrengthChartData data;
    bool any = false;
    for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
        const ComponentInfo &zone = *project.GetComponent(i);
        data.categories << QString::number(i + 1);
        data.zone_names << DisplayText(zone.component_name);
        data.strengths << Shown(zone.mean_strength);
        any = any || data.strengths.back() != 0.0;
    }
    data.mean = LineValue(project.zone_strength_mean);
    data.minimum = LineValue(project.zone_strength_min);
    data.assessed = LineValue(project.assessed_strength);
    for (double value : {data.mean, data.minimum, data.assessed})
        any = any || (std::isfinite(value) && value != 0.0);
    data.calculated = any;
    return data;
}

QColor BarColor()
{
    return QColor(135, 175, 220);
}

QString ChartTitle(const StrengthChartData &data)
{
    if (data.categories.isEmpty())
        return QStringLiteral("测区砂浆强度（没有测区）");
    return data.calculated ? QStringLiteral("测区砂浆强度") : QStringLiteral("测区砂浆强度（尚未计算）");
}

// The decimals are those of the header panel: 评定值 "%.1f", the others "%.2f".
QString MeanLineName(double value)
{
    return QStringLiteral("测区强度平均值 %1 MPa").arg(Fixed(value, 2));
}

QString MinimumLineName(double value)
{
    return QStringLiteral("测区强度最小值 %1 MPa").arg(Fixed(value, 2));
}

QString AssessedLineName(double value)
{
    return QStringLiteral("砂浆强度评定值 %1 MPa").arg(Fixed(value, 1));
}

QChart *BuildStrengthChart(const StrengthChartData &data)
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(ChartTitle(data));
    QFont title_font = chart->titleFont();
    title_font.setPixelSize(16);
    title_font.setBold(true);
    chart->setTitleFont(title_font);
    chart->legend()->setAlignment(Qt::AlignBottom);

    const int zones = static_cast<int>(data.strengths.size());
    auto *bars = new QBarSet(QStringLiteral("测区强度"));
    bars->setColor(BarColor());
    bars->setBorderColor(BarColor().darker(140));
    // Each bar carries its label's value: the zone strength with the zone
    // panel's two decimals.
    for (double value : data.strengths)
        bars->append(Fixed(value, 2).toDouble());
    auto *series = new QBarSeries;
    series->append(bars);
    series->setBarWidth(zones < 4 ? 0.4 : 0.7);
    series->setLabelsVisible(data.calculated && zones <= kMaxLabelledBars);
    // At the foot of the bar, where the lines rarely run; dark on the light
    // bar, and on the white above a bar too short to hold its label.
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideBase);
    bars->setLabelColor(QColor(20, 20, 20));
    QFont label_font = bars->labelFont();
    label_font.setBold(true);
    bars->setLabelFont(label_font);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(6);
    chart->addSeries(series);

    QAbstractAxis *x_axis = ZoneAxis(data);
    x_axis->setTitleText(QStringLiteral("测区序号"));
    chart->addAxis(x_axis, Qt::AlignBottom);
    series->attachAxis(x_axis);

    double top = 0.0;
    for (double value : data.strengths)
        top = std::max(top, value);
    for (double value : {data.mean, data.minimum, data.assessed}) {
        if (std::isfinite(value))
            top = std::max(top, value);
    }
    auto *y_axis = new QValueAxis;
    y_axis->setTitleText(QStringLiteral("强度(MPa)"));
    // Room above the highest bar for its label; a floor so an empty chart
    // still has a scale.
    y_axis->setRange(std::min(0.0, top), std::max(top * 1.15, 1.0));
    y_axis->applyNiceNumbers();
    y_axis->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(y_axis, Qt::AlignLeft);
    series->attachAxis(y_axis);

    if (zones > 0 && data.calculated) {
        const struct {
            double value;
            QString name;
            QPen pen;
        } lines[] = {
            {data.mean, MeanLineName(data.mean), QPen(QColor(34, 139, 34), 2)},
            {data.minimum, MinimumLineName(data.minimum), QPen(QColor(230, 140, 0), 2, Qt::DashLine)},
            {data.assessed, AssessedLineName(data.assessed), QPen(QColor(200, 30, 30), 3)},
        };
        for (const auto &line : lines) {
            if (!std::isfinite(line.value))
                continue;
            QLineSeries *series_line = HorizontalLine(*chart, line.name, line.value, zones, line.pen);
            series_line->attachAxis(x_axis);
            series_line->attachAxis(y_axis);
        }
    }

    // Pointing at a bar tells which zone it is.
    QObject::connect(series, &QBarSeries::hovered, chart, [names = data.zone_names, values = data.strengths](
                                                                  bool status, int index, QBarSet *) {
        if (!status || index < 0 || index >= names.size()) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(QCursor::pos(), QStringLiteral("测区%1 %2：%3 MPa")
                                               .arg(index + 1)
                                               .arg(names[index])
                                               .arg(Fixed(values[index], 2)));
    });
    return chart;
}

StrengthChart::StrengthChart(QWidget *parent) : QWidget(parent), view_(new QChartView)
{
    setObjectName(QStringLiteral("StrengthChart"));
    view_->setObjectName(QStringLiteral("StrengthChartView"));
    view_->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

QChart *StrengthChart::chart()
{
    if (stale_)
        rebuild();
    return view_->chart();
}

void StrengthChart::showProject(const ReboundFile &project)
{
    data_ = StrengthChartData::FromProject(project);
    stale_ = true;
    if (isVisible())
        rebuild();
}

void StrengthChart::showEvent(QShowEvent *event)
{
    if (stale_)
        rebuild();
    QWidget::showEvent(event);
}

void StrengthChart::rebuild()
{
    stale_ = false;
    // The view gives up the old chart without deleting it.
    QChart *old = view_->chart();
    view_->setChart(BuildStrengthChart(data_));
    delete old;
}

QImage StrengthChart::render(QSize size) const
{
    QGraphicsScene scene;
    QChart *chart = BuildStrengthChart(data_);
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    scene.render(&painter, area, area);
    return image;
}

IoResult StrengthChart::savePng(const QString &path) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !render().save(&buffer, "PNG"))
        return IoResult::Failure("无法保存文件[" + path.toStdString() + "]：图片编码失败");
    return WriteFileAtomically(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QTabWidget *GridAndChartTabs(QTableView *grid, StrengthChart *chart)
{
    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("GridTabs"));
    tabs->setDocumentMode(true);
    tabs->addTab(grid, QStringLiteral("测位数据"));
    tabs->addTab(chart, QStringLiteral("强度图表"));
    tabs->setTabToolTip(1, QStringLiteral("各测区砂浆强度与平均值、最小值、评定值（计算后更新）"));
    return tabs;
}

} // namespace rebound
