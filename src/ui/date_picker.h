#pragma once
// A date picker for a model date text. A text that does not parse shows no
// date; the stored text is kept until the user picks a date.

#include "model/tansy_string.h"

#include <QDateEdit>

namespace rebound {

class LocaleDates;

class DatePicker final : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(const LocaleDates &dates, QWidget *parent = nullptr);

    // Shows the date a stored text names (no date when it names none).
    void showStoredText(const TansyString &stored);
    // Shows no date at all.
    void showNoDate();
    bool hasDate() const;
    // True once the user has set a date other than the one last shown.
    bool picked() const;
    // The text to store: `stored` unless the user picked another date, then
    // the picked date as "yyyy/MM/dd" with the locale's separator.
    TansyString committedText(const TansyString &stored) const;
    // The date now shown is the stored one (after a commit).
    void markCommitted() { shown_ = hasDate() ? date() : QDate(); }

signals:
    // The user set a date (not a refresh).
    void datePicked(const QDate &date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onDateChanged(const QDate &date);

    const LocaleDates &dates_;
    QDate shown_;
    bool loading_ = false;
};

} // namespace rebound
