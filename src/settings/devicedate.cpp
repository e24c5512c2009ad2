#include "devicedate.h"

namespace kordavel {

namespace {
// Device dates are plain wall-clock counts; UTC arithmetic never skips or
// repeats an hour the way local time does around daylight-saving changes.
QDateTime wallClock(int y, int m, int d, int hh, int mm, int ss)
{
    return QDateTime(QDate(y, m, d), QTime(hh, mm, ss), Qt::UTC);
}
} // namespace

DateConstants computeDateConstants()
{
    DateConstants dc;
    dc.epoch = wallClock(1970, 1, 1, 0, 0, 0);
    dc.unsignedRollover = dc.epoch.addSecs(qint64(1) << 32);
    dc.lastSigned = dc.epoch.addSecs((qint64(1) << 31) - 1);
    return dc;
}

QString deviceDateText(const QString &hexDigits, const DateConstants &dc)
{
    bool ok = false;
    const quint32 raw = hexDigits.size() <= 8 ? hexDigits.toUInt(&ok, 16) : 0;
    if (!ok)
        return {};
    const qint32 n = qint32(raw);
    const QDateTime instant = n < 0 ? dc.unsignedRollover.addSecs(n) : dc.epoch.addSecs(n);
    if (instant.time() == QTime(0, 0))
        return instant.toString(QStringLiteral("yyyy-MM-dd"));
    return instant.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString dateTextPart(const QString &dateTimeText)
{
    const qsizetype blank = dateTimeText.indexOf(QLatin1Char(' '));
    return blank < 0 ? dateTimeText : dateTimeText.left(blank);
}

} // namespace kordavel
