#pragma once
// Date texts as the user's locale writes them. The short date always carries
// a four-digit year: en_US M/d/yyyy, zh_CN yyyy/M/d, C/POSIX yyyy/MM/dd.

#include "model/date_provider.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>

namespace rebound {

class LocaleDates final : public DateProvider {
public:
    using Clock = std::function<QDate()>;

    explicit LocaleDates(const QLocale &locale = QLocale::system(), Clock clock = {});

    // DateProvider: today's short date text.
    TansyString Today() const override;

    QString shortFormat() const { return short_format_; }
    QChar separator() const { return separator_; }
    // The locale's short date of `date`.
    QString formatShort(const QDate &date) const;
    // "yyyy/MM/dd" with the locale's separator, as a picked date is stored.
    QString formatPicked(const QDate &date) const;
    // Tries "yyyy/MM/dd" (with "/", "-" or the locale's separator) first,
    // then the short format.
    // An invalid date when the text is neither.
    QDate parse(const QString &text) const;

private:
    QLocale locale_;
    Clock clock_;
    // Every new zone asks for today's text; loading a large project builds
    // thousands of them, so the text is kept for the day it was made for.
    mutable QDate cached_day_;
    mutable TansyString cached_text_;
    QString short_format_;
    QChar separator_;
};

// The local date of a file's creation (its birth time where the file system
// keeps one), else today's date from `dates`.
QDate FileCreationDate(const QString &path, const QDate &fallback);

} // namespace rebound
