#pragma once

#include "settings/devicedate.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace kordavel {

// The settings as the window shows them. A grayed box counts as unchecked;
// disabled and hidden controls count as they stand.
struct ScreenSettings
{
    std::array<bool, 12> check{}; // check[1] .. check[11]
    QString tbDays;
    QDate start;
    QDate end;
    int option1 = -1;          // first selected Option1 button, -1 when none is
    bool kordavelPlus = false; // optKordavel(1) selected
};

// Configuration byte from the screen, starting from the previous lExtension.
// Flags are active-low. Returns the new lExtension (0-255).
int configurationByte(const ScreenSettings &s, int lExtension, bool bClockEnable);

// Leading decimal number of a text (blanks skipped, halves rounded to even);
// 0 when the text does not start with a number.
qint64 leadingWholeNumber(const QString &text);

// Seconds from 1970-01-01 00:00:00 (wall clock) as 8 upper-case hex digits of
// an unsigned 32-bit count; values past 2038-01-19 03:14:07 are counted back
// from 2106-02-07 06:28:16 as the device expects.
QString DateToHex(const QDateTime &value, const DateConstants &dc);
// True when a wall-clock instant fits the device's unsigned 32-bit seconds.
bool deviceCanHold(const QDateTime &value, const DateConstants &dc);

// One Intel HEX record: ":" length address type data checksum, upper case.
QByteArray hexRecord(quint16 address, quint8 type, const QByteArray &data);

enum class BuildStatus { Ok, UnknownFamily, DaysOutOfRange, DateOutOfRange };

struct BuildResult
{
    BuildStatus status = BuildStatus::UnknownFamily;
    QString fileName; // "DI999000.HEX" (TQ) or "ZA999000.HEX" (CR), inside UPDATES
    QByteArray text;  // whole file, CR LF after every line
    QString problem;  // why nothing can be written, for the user
};

// Builds the configuration file for a family code ("TQ"/"CR", any case),
// software version and configuration byte. Nothing is built for an unknown
// family, a day count beyond +-24855 days or a date the device cannot hold.
BuildResult buildConfigurationFile(const ScreenSettings &s, const QString &familyCode,
                                   qint32 softwareVersion, int configByte, const DateConstants &dc);

} // namespace kordavel
