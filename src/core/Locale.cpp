#include "core/Locale.h"

#include <array>

namespace {
constexpr std::array<const char*, 12> kEnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr int kMaxText = 79;
}  // namespace

Locale::Locale(const QLocale& locale) {
    for (int m = 1; m <= 12; ++m) {
        const QString english = QString::fromLatin1(kEnglishMonths[std::size_t(m - 1)]);
        const QString name = locale.monthName(m, QLocale::LongFormat);
        const QString abbreviation = locale.monthName(m, QLocale::ShortFormat);
        monthNames_ << (name.isEmpty() ? english : name);
        monthAbbreviations_ << (abbreviation.isEmpty() ? english.left(3) : abbreviation);
    }
    thousandSeparator_ = locale.groupSeparator();
    if (thousandSeparator_.isEmpty()) thousandSeparator_ = QStringLiteral(",");
}

QString Locale::FormatTime(const CalendarRecord& r, bool withSeconds) const {
    QString text = QStringLiteral("%1:%2")
                       .arg(r.hour, 2, 10, QLatin1Char('0'))
                       .arg(r.minute, 2, 10, QLatin1Char('0'));
    if (withSeconds) text += QStringLiteral(":%1").arg(r.second, 2, 10, QLatin1Char('0'));
    return text.left(kMaxText);
}

QString Locale::FormatDate(const CalendarRecord& r) const {
    const int month = r.month >= 1 && r.month <= 12 ? r.month : 1;
    return QStringLiteral("%1 %2 %3")
        .arg(r.day)
        .arg(monthAbbreviations_[month - 1])
        .arg(r.year, 4, 10, QLatin1Char('0'))
        .left(kMaxText);
}

QString Locale::FormatThousands(std::int64_t value) const {
    QString digits = QString::number(value);
    if (value < 1000) return digits;
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, thousandSeparator_);
    return digits;
}
