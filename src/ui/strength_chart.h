#pragma once
// The zone strength chart: one bar per test zone in list order, with
// horizontal lines for the unit's mean and minimum zone strength and its
// assessed strength. It shows what the project holds, so it changes when the
// header panel's results do (New, Open, a calculation), not with every edit.

#include "io/io_result.h"
#include "model/rebound_file.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QWidget>

class QChart;
class QChartView;
class QTabWidget;
class QTableView;

namespace rebound {

struct StrengthChartData {
    QStringList categories;   // "1", "2", …: the zone list's 序号
    QStringList zone_names;   // the zones' numbers (测区编号), for the tool tips
    QList<double> strengths;  // mean_strength of every zone; not finite → 0
    // The unit results; NaN when the stored value is not finite (no line).
    double mean = 0.0;
    double minimum = 0.0;
    double assessed = 0.0;
    // False while every value is 0: nothing has been calculated yet.
    bool calculated = false;

    static StrengthChartData FromProject(const ReboundFile &project);
};

QColor BarColor();
// Texts of the legend entries and the title.
QString ChartTitle(const StrengthChartData &data);
QString MeanLineName(double value);
QString MinimumLineName(double value);
QString AssessedLineName(double value);

// A new chart of `data`, owned by the caller.
QChart *BuildStrengthChart(const StrengthChartData &data);

class StrengthChart final : public QWidget {
    Q_OBJECT
public:
    // Size of the exported picture.
    static constexpr QSize kExportSize{1200, 700};

    explicit StrengthChart(QWidget *parent = nullptr);

    // Takes the project's values; the chart itself is drawn anew when it is
    // next seen (a hidden tab costs nothing, however many zones).
    void showProject(const ReboundFile &project);
    const StrengthChartData &data() const { return data_; }
    // The chart on show, brought up to date first.
    QChart *chart();

    // The chart drawn at `size` on white, whatever is on screen.
    QImage render(QSize size = kExportSize) const;
    // Writes render() as PNG to `path`, replacing it only when complete.
    IoResult savePng(const QString &path) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void rebuild();

    StrengthChartData data_;
    QChartView *view_;
    bool stale_ = true;
};

// The grid and the chart as two tabs, "测位数据" and "强度图表".
QTabWidget *GridAndChartTabs(QTableView *grid, StrengthChart *chart);

} // namespace rebound
