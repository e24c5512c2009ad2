#pragma once

#include <QDateTime>
#include <QString>

namespace kordavel {

// The device stores a date as a 32-bit count of seconds since 1970-01-01
// 00:00:00 wall-clock time (no time zone, no daylight saving). These are the
// three reference instants of that count.
struct DateConstants
{
    QDateTime epoch;            // 1970-01-01 00:00:00
    QDateTime unsignedRollover; // epoch + 2^32 s = 2106-02-07 06:28:16
    QDateTime lastSigned;       // epoch + 2^31 - 1 s = 2038-01-19 03:14:07
};
DateConstants computeDateConstants();

// Reads up to 8 hex digits as a 32-bit two's-complement count n and returns the
// date-time epoch + n s (n >= 0) or unsignedRollover + n s (n < 0), as text
// "yyyy-MM-dd" at midnight and "yyyy-MM-dd hh:mm:ss" otherwise. Empty text for
// digits that are not hexadecimal.
QString deviceDateText(const QString &hexDigits, const DateConstants &dc);

// Date part of a date-time text: what stands before its first blank.
QString dateTextPart(const QString &dateTimeText);

} // namespace kordavel
