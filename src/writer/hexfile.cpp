#include "hexfile.h"

#include "settings/versionfile.h"

#include <cmath>

namespace kordavel {

namespace {

QByteArray hex8(quint32 v)
{
    return QByteArray::number(v, 16).rightJustified(8, '0').toUpper();
}

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

QByteArray fromHex8(const QString &digits)
{
    return QByteArray::fromHex(digits.toLatin1());
}

// Record C: the manufacturer-specific request groups, each ended by FF.
QByteArray recordCData(const ScreenSettings &s)
{
    QByteArray d = bytes({0x01});
    if (s.check[10])
        d.append(char(0x11));
    if (s.check[8]) {
        if (s.check[10])
            d.append(bytes({0xFF, 0x01}));
        d.append(bytes({0x12, 0x13, 0x14, 0x15, 0x16, 0xFF}));
    }
    if (s.check[9]) {
        if (d == bytes({0x01})) {
            d.append(bytes({0x19, 0xFF}));
        } else {
            if (!d.endsWith(char(0xFF)))
                d.append(char(0xFF));
            d.append(bytes({0x01, 0x19, 0xFF}));
        }
    }
    if (d == bytes({0x01}))
        return {};
    d.append(char(0xFF));
    return d;
}

} // namespace

int configurationByte(const ScreenSettings &s, int lExtension, bool bClockEnable)
{
    static constexpr int kFormatBytes[5] = {0xFF, 0xBF, 0xAF, 0x9F, 0x8F};
    if (s.option1 >= 0 && s.option1 < 5)
        lExtension = kFormatBytes[s.option1];
    if (s.check[7])
        lExtension &= 0xF7;
    if (s.kordavelPlus)
        lExtension &= 0x7F;
    if (bClockEnable)
        lExtension &= 0xFD;
    return lExtension & 0xFF;
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
    // Clamp far beyond any valid day count; the caller rejects out-of-range values.
    const double r = std::nearbyint(std::fmax(std::fmin(v, 1e15), -1e15));
    return qint64(r);
}

QString DateToHex(const QDateTime &value, const DateConstants &dc)
{
    const QDateTime d(value.date(), value.time(), Qt::UTC);
    const qint64 n = d > dc.dtMaxSigned32 ? dc.dtMaxUnsigned32.secsTo(d) : dc.dtUnixEpoch.secsTo(d);
    return QString::fromLatin1(hex8(quint32(qint32(n))));
}

bool deviceCanHold(const QDateTime &value, const DateConstants &dc)
{
    const QDateTime d(value.date(), value.time(), Qt::UTC);
    return d >= dc.dtUnixEpoch && d < dc.dtMaxUnsigned32;
}

QByteArray hexRecord(quint16 address, quint8 type, const QByteArray &data)
{
    QByteArray raw;
    raw.append(char(data.size()));
    raw.append(char(address >> 8));
    raw.append(char(address & 0xFF));
    raw.append(char(type));
    raw.append(data);
    int sum = 0;
    for (char c : raw)
        sum += quint8(c);
    raw.append(char((256 - sum % 256) % 256));
    return ':' + raw.toHex().toUpper();
}

BuildResult buildConfigurationFile(const ScreenSettings &s, const QString &familyCode,
                                   qint32 softwareVersion, int configByte, const DateConstants &dc)
{
    BuildResult r;
    const Family family = familyOf(familyCode.left(2).toUpper());
    const QByteArray crlf("\r\n");
    const QByteArray end(":00000001FF");

    if (family == Family::CR) {
        QByteArray a = bytes({configByte});
        a.append("CR000007HEX");
        a.append(bytes({0xFF, 0xFF, 0xFF, 0xFF}));
        r.text = hexRecord(0x3A00, 0x02, a) + crlf +
                 hexRecord(0x3A10, 0x02, QByteArray(16, char(0xFF))) + crlf + end + crlf;
        r.fileName = QStringLiteral("ZA999000.HEX");
        r.status = BuildStatus::Ok;
        return r;
    }
    if (family != Family::TQ) {
        r.status = BuildStatus::UnknownFamily;
        r.problem = QStringLiteral("Unknown Kordavel type");
        return r;
    }

    const qint64 days = leadingWholeNumber(s.tbDays);
    if (days > 24855 || days < -24855) {
        r.status = BuildStatus::DaysOutOfRange;
        r.problem = QStringLiteral("The number of days must be between -24855 and 24855.");
        return r;
    }
    QByteArray period;
    if (days == 0) {
        period = bytes({0xFF, 0xFF, 0xFF, 0xFF});
    } else {
        const quint32 secs = quint32(qint32(days * 86400));
        period = bytes(
            {int(secs & 0xFF), int(secs >> 8 & 0xFF), int(secs >> 16 & 0xFF), int(secs >> 24)});
    }

    QByteArray a = bytes({configByte});
    a.append("TQ000007HEX");
    a.append(period);
    r.text = hexRecord(0x3A00, 0x00, a) + crlf;

    QByteArray b = bytes({0x01});
    for (int i = 2; i <= 6; ++i)
        if (s.check[i])
            b.append(char(i));
    if (softwareVersion < 36 && s.check[8])
        b.append(char(0x11));
    b.append(char(0xFF));
    r.text += hexRecord(0x3A10, 0x00, b) + crlf;

    if (softwareVersion >= 36) {
        const QByteArray c = recordCData(s);
        if (!c.isEmpty())
            r.text += hexRecord(0x3A20, 0x00, c) + crlf;
        const QDateTime start(s.start, QTime(0, 0), Qt::UTC);
        const QDateTime stop(s.end, QTime(0, 0), Qt::UTC);
        for (const QDateTime &d : {start, stop}) {
            if (!deviceCanHold(d, dc)) {
                r.status = BuildStatus::DateOutOfRange;
                r.problem =
                    QStringLiteral("The date %1 cannot be stored in the Kordavel: dates must lie "
                                   "between 1970-01-01 and 2106-02-07.")
                        .arg(d.date().toString(QStringLiteral("yyyy-MM-dd")));
                r.text.clear();
                return r;
            }
        }
        QByteArray dd = bytes({s.check[11] ? 0x55 : 0xFF});
        dd.append(fromHex8(DateToHex(start, dc)));
        dd.append(fromHex8(DateToHex(stop, dc)));
        r.text += hexRecord(0x3A47, 0x00, dd) + crlf;
    }
    r.text += end + crlf;
    r.fileName = QStringLiteral("DI999000.HEX");
    r.status = BuildStatus::Ok;
    return r;
}

} // namespace kordavel
