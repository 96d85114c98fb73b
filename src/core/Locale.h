#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/SimTime.h"

// Dates, times and large numbers written the way the user's locale writes them: the month
// names and the digit-grouping symbol come from the locale; the pictures are fixed, so a
// date is always "d MMM yyyy" and a time "HH:mm:ss" or "HH:mm" (24-hour, two-digit fields).
class Locale {
  public:
    // The user's locale; where it has no month names or separator, English names and ",".
    Locale() : Locale(QLocale::system()) {}
    explicit Locale(const QLocale& locale);

    QString FormatTime(const CalendarRecord& r, bool withSeconds) const;
    QString FormatDate(const CalendarRecord& r) const;
    // Groups of three digits from the right; negative values and values under 1000 are
    // left as they are.
    QString FormatThousands(std::int64_t value) const;

    const QStringList& monthNames() const { return monthNames_; }
    const QStringList& monthAbbreviations() const { return monthAbbreviations_; }
    const QString& thousandSeparator() const { return thousandSeparator_; }

  private:
    QStringList monthNames_;
    QStringList monthAbbreviations_;
    QString thousandSeparator_;
};
