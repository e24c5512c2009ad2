#include "devicesettings.h"
#include "settingstext.h"
#include "versionfile.h"

#include <cmath>

namespace kordavel {

qint64 DeviceSettings::daysBackCount() const
{
    return leadingWholeNumber(daysBack);
}

std::optional<DateRange> DeviceSettings::usedDates() const
{
    if (!isChecked(DownloadBox::UseDates))
        return std::nullopt;
    return DateRange{downloadStart, downloadEnd};
}

void DeviceSettings::useDates(const std::optional<DateRange> &dates)
{
    setChecked(DownloadBox::UseDates, dates.has_value());
    downloadStart = dates ? dates->start : QDate();
    downloadEnd = dates ? dates->end : QDate();
}

QString daysBackText(qint32 days)
{
    // 0 is written as "since the last download", which the device reads back as "0".
    return days == 0 ? QStringLiteral("0") : daysText(days);
}

std::optional<QString> daysBackProblem(qint64 days)
{
    if (days >= -kMaxDaysBack && days <= kMaxDaysBack)
        return std::nullopt;
    return SettingsText::tr("The number of days must be between %1 and %2.")
        .arg(-kMaxDaysBack)
        .arg(kMaxDaysBack);
}

qint64 leadingWholeNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    // Clamp far beyond any valid day count; the caller rejects out-of-range
    // values.
    const double r = std::nearbyint(std::fmax(std::fmin(v, 1e15), -1e15));
    return qint64(r);
}

} // namespace kordavel
