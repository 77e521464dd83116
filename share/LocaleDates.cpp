#include "share/LocaleDates.h"

#include "platform/TextCodec.h"

namespace share {

namespace {

QString monthName(const QLocale& locale, int month) {
    return locale.monthName(month, QLocale::LongFormat);
}

bool fitsCodePage(const QString& text) {
    return platform::toQString(platform::fromQString(text)) == text;
}

} // namespace

CalendarDate calendarDate(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

MonthNames printMonthNames(const QLocale& locale) {
    MonthNames names;
    for (int month = 1; month <= 12; ++month)
        names[static_cast<std::size_t>(month - 1)] = monthName(locale, month).toStdString();
    return names;
}

MonthNames textFileMonthNames(const QLocale& locale) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    MonthNames names;
    for (int month = 1; month <= 12; ++month) {
        const QString name = monthName(locale, month);
        names[static_cast<std::size_t>(month - 1)] =
            platform::fromQString(fitsCodePage(name) ? name : monthName(english, month));
    }
    return names;
}

std::string printDateText(const QDate& date, const QLocale& locale) {
    return longDateText(calendarDate(date), printMonthNames(locale));
}

} // namespace share
