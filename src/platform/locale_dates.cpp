#include "locale_dates.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

namespace rebound {

namespace {

QString FourDigitYear(QString format)
{
    static const QRegularExpression two_digit_year(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(two_digit_year, QStringLiteral("yyyy"));
    return format;
}

QChar FirstSeparator(const QString &format)
{
    for (QChar c : format) {
        if (!c.isLetter())
            return c;
    }
    return QLatin1Char('/');
}

} // namespace

LocaleDates::LocaleDates(const QLocale &locale, Clock clock) : locale_(locale), clock_(std::move(clock))
{
    if (!clock_)
        clock_ = [] { return QDate::currentDate(); };
    if (locale_.language() == QLocale::C)
        short_format_ = QStringLiteral("yyyy/MM/dd");
    else
        short_format_ = FourDigitYear(locale_.dateFormat(QLocale::ShortFormat));
    separator_ = FirstSeparator(short_format_);
}

TansyString LocaleDates::Today() const
{
    const QDate today = clock_();
    if (today != cached_day_ || !cached_day_.isValid()) {
        // A locale whose date text GBK cannot hold falls back to the ISO form.
        const GbkEncoding encoded = Utf8ToGbk(formatShort(today).toStdString());
        cached_text_ = encoded.ok ? encoded.bytes : TansyString(today.toString(Qt::ISODate).toStdString());
        cached_day_ = today;
    }
    return cached_text_;
}

QString LocaleDates::formatShort(const QDate &date) const
{
    return locale_.toString(date, short_format_);
}

QString LocaleDates::formatPicked(const QDate &date) const
{
    QString pattern = QStringLiteral("yyyy/MM/dd");
    pattern.replace(QLatin1Char('/'), separator_);
    return date.toString(pattern);
}

QDate LocaleDates::parse(const QString &text) const
{
    const QString trimmed = text.trimmed();
    // A picked date carries the locale's separator, which need not be "/"
    // or "-" (de_DE writes 2009.03.14).
    QString picked = QStringLiteral("yyyy/M/d");
    picked.replace(QLatin1Char('/'), separator_);
    for (const QString &pattern : {QStringLiteral("yyyy/M/d"), QStringLiteral("yyyy-M-d"), picked}) {
        const QDate date = QDate::fromString(trimmed, pattern);
        if (date.isValid())
            return date;
    }
    QDate date = locale_.toDate(trimmed, short_format_);
    if (!date.isValid())
        date = QDate::fromString(trimmed, short_format_);
    return date;
}

QDate FileCreationDate(const QString &path, const QDate &fallback)
{
    const QDateTime born = QFileInfo(path).birthTime();
    return born.isValid() ? born.toLocalTime().date() : fallback;
}

} // namespace rebound
