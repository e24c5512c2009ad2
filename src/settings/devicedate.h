#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <optional>

namespace kordavel {

// The device stores a date as an unsigned 32-bit count of seconds since
// 1970-01-01 00:00:00 wall-clock time (no time zone, no daylight saving), so
// it holds 1970-01-01 00:00:00 up to 2106-02-07 06:28:15.
inline constexpr qint64 kDeviceSecondsLimit = qint64(1) << 32; // 2106-02-07 06:28:16

// The wall-clock date and time of a device count (a UTC date-time, which never
// skips or repeats an hour as local time does).
QDateTime deviceDateTime(quint32 seconds);

// The device count of a wall-clock date and time (its time zone is ignored);
// nullopt when the device cannot hold it.
std::optional<quint32> deviceSeconds(const QDateTime &wallClock);

} // namespace kordavel
