#include "devicedate.h"

namespace kordavel {

QDateTime deviceDateTime(quint32 seconds)
{
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
}

std::optional<quint32> deviceSeconds(const QDateTime &wallClock)
{
    const qint64 s = QDateTime(wallClock.date(), wallClock.time(), Qt::UTC).toSecsSinceEpoch();
    if (s < 0 || s >= kDeviceSecondsLimit)
        return std::nullopt;
    return quint32(s);
}

} // namespace kordavel
