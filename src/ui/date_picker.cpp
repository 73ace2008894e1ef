#include "date_picker.h"

#include "gbk_text.h"
#include "locale_dates.h"

#include <QCalendarWidget>
#include <QEvent>

namespace rebound {

namespace {

// The picker's lowest date stands for "no date" and shows as a blank.
const QDate kNoDate(1900, 1, 1);

} // namespace

DatePicker::DatePicker(const LocaleDates &dates, QWidget *parent) : QDateEdit(parent), dates_(dates)
{
    setCalendarPopup(true);
    setDisplayFormat(dates_.shortFormat());
    setMinimumDate(kNoDate);
    setSpecialValueText(QStringLiteral(" "));
    calendarWidget()->installEventFilter(this);
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::onDateChanged);
}

void DatePicker::showStoredText(const TansyString &stored)
{
    const QDate date = dates_.parse(DisplayText(stored));
    if (!date.isValid() || date <= kNoDate) {
        showNoDate();
        return;
    }
    loading_ = true;
    setDate(date);
    shown_ = date;
    loading_ = false;
}

void DatePicker::showNoDate()
{
    loading_ = true;
    setDate(kNoDate);
    shown_ = QDate();
    loading_ = false;
}

bool DatePicker::hasDate() const
{
    return date() > kNoDate;
}

bool DatePicker::picked() const
{
    return hasDate() && date() != shown_;
}

TansyString DatePicker::committedText(const TansyString &stored) const
{
    if (!picked())
        return stored;
    return EditedBytes(dates_.formatPicked(date()), stored);
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    // A picker without a date opens its calendar on today's month, not on
    // the placeholder's.
    if (watched == calendarWidget() && event->type() == QEvent::Show && !hasDate()) {
        const QDate today = QDate::currentDate();
        calendarWidget()->setCurrentPage(today.year(), today.month());
    }
    return QDateEdit::eventFilter(watched, event);
}

void DatePicker::onDateChanged(const QDate &date)
{
    if (loading_ || date <= kNoDate)
        return;
    emit datePicked(date);
}

} // namespace rebound
