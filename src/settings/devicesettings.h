#pragma once

#include "settingcodes.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace kordavel {

// The download settings of one device as the user sets them: what Configure
// writes, what the record keeps and what the fleet check compares. A box the
// screen grays out counts as unchecked; a hidden one counts as it stands.
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
    // The whole days the days-back box stands for (leadingWholeNumber).
    qint64 daysBackCount() const;
};

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
