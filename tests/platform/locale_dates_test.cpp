#include "locale_dates.h"

#include <gtest/gtest.h>

using namespace rebound;

namespace {

LocaleDates Pinned(const char *locale_name)
{
    return LocaleDates(QLocale(QString::fromLatin1(locale_name)), [] { return QDate(2009, 3, 14); });
}

} // namespace

TEST(LocaleDates, ShortDatesCarryFourDigitYears)
{
    struct Case {
        const char *locale;
        const char *today;
        const char *picked;
    };
    const Case cases[] = {
        {"en_US", "3/14/2009", "2009/03/14"},
        {"zh_CN", "2009/3/14", "2009/03/14"},
        {"C", "2009/03/14", "2009/03/14"},
        {"de_DE", "14.03.2009", "2009.03.14"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleDates dates = Pinned(c.locale);
        EXPECT_EQ(dates.Today(), c.today);
        EXPECT_EQ(dates.formatPicked(QDate(2009, 3, 14)).toStdString(), c.picked);
    }
}

TEST(LocaleDates, ParsesStoredFormsThenShortFormat)
{
    for (const char *locale : {"en_US", "zh_CN", "C"}) {
        SCOPED_TRACE(locale);
        const LocaleDates dates = Pinned(locale);
        const QDate expected(2009, 3, 14);
        EXPECT_EQ(dates.parse(QStringLiteral("2009/03/14")), expected);
        EXPECT_EQ(dates.parse(QStringLiteral("2009-03-14")), expected);
        EXPECT_EQ(dates.parse(QStringLiteral("2009/3/14")), expected);
        EXPECT_EQ(dates.parse(QString::fromStdString(dates.Today())), expected);
        EXPECT_EQ(dates.parse(dates.formatPicked(expected)), expected);
        EXPECT_FALSE(dates.parse(QStringLiteral("yesterday")).isValid());
        EXPECT_FALSE(dates.parse(QString()).isValid());
    }
    EXPECT_EQ(Pinned("en_US").parse(QStringLiteral("12/31/2016")), QDate(2016, 12, 31));
    // A picked date reads back with any locale's separator.
    const LocaleDates german = Pinned("de_DE");
    EXPECT_EQ(german.parse(german.formatPicked(QDate(2009, 3, 14))), QDate(2009, 3, 14));
    EXPECT_EQ(german.parse(QString::fromStdString(german.Today())), QDate(2009, 3, 14));
}
