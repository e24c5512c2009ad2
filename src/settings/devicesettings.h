#pragma once

#include "settingcodes.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace kordavel {

struct DateRange
{
    QDate start;
    QDate end; // never before start
    bool operator==(const DateRange &) const = default;
};

// The download settings of one device: as the screen has them, which
// Configure writes and the record keeps, as a device's read shows them, and
// as a fleet standard wants them. A box counts as checked only when it is
// fully checked; disabled and hidden boxes count as they stand.
struct DeviceSettings
{
    std::array<bool, kDownloadBoxCount> boxes{}; // in DownloadBox order
    QString daysBack;                            // the days-back box's text: see daysBackCount
    QDate downloadStart;                         // used when the UseDates box is checked
    QDate downloadEnd;
    std::optional<FileNameFormat> fileNameFormat; // none when no format is selected
    bool kordavelPlus = false;                    // the Kordavel Plus model is selected

    bool isChecked(DownloadBox b) const { return boxes[std::size_t(b)]; }
    void setChecked(DownloadBox b, bool on) { boxes[std::size_t(b)] = on; }
    // The whole days the days-back box stands for (leadingWholeNumber): not
    // checked against the limit, so it goes through daysBackProblem first.
    qint64 daysBackCount() const;
    // The dates when the UseDates box is checked, else none.
    std::optional<DateRange> usedDates() const;
    // Checks the UseDates box and sets the dates, or clears all three.
    void useDates(const std::optional<DateRange> &dates);

    bool operator==(const DeviceSettings &) const = default;
};

// A day count as the days-back box shows it: "0" (since the last download),
// else a blank or minus sign before the count (" 28", "-7").
QString daysBackText(qint32 days);

// The days-back box holds at most the days of 2^31 - 1 seconds.
inline constexpr qint64 kMaxDaysBack = 24855;

// Why the device cannot take a days-back count of days (one beyond
// +-kMaxDaysBack), for the user; nullopt when it can. Every check of the
// count goes through here, so the limit has one sentence.
std::optional<QString> daysBackProblem(qint64 days);

// Leading decimal number of a text (blanks skipped, halves rounded to even);
// 0 when the text does not start with a number. This is how the days-back
// box's text is read: " 92 days" is 92, "1e3" is 1, "abc" is 0.
qint64 leadingWholeNumber(const QString &text);

} // namespace kordavel
