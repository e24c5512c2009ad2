#include "versionfile.h"

#include <QLocale>

#include <cfenv>
#include <cmath>

namespace kordavel {

namespace {
quint8 byteAt(const QByteArray &d, int i)
{
    return quint8(d.at(i));
}

// Four bytes as a number, most significant first.
quint32 countAt(const QByteArray &d, int offset)
{
    quint32 v = 0;
    for (int i = offset; i < offset + 4; ++i)
        v = v << 8 | byteAt(d, i);
    return v;
}
} // namespace

QString familyCodeOf(const QByteArray &data)
{
    return QString::fromLatin1(data.left(2)).toUpper();
}

Family familyOf(const QString &familyCode)
{
    if (familyCode == QLatin1String("TQ"))
        return Family::TQ;
    if (familyCode == QLatin1String("CR"))
        return Family::CR;
    return Family::Unknown;
}

bool parseSoftwareVersion(const QByteArray &field, qint32 *version, const QLocale &numbers)
{
    const QString text = QString::fromLatin1(field).trimmed();
    if (text.isEmpty())
        return false;
    bool ok = false;
    double value = numbers.toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return false;
    // A fractional version field is rounded half to even ("0054.5" is 54).
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return false;
    *version = qint32(rounded);
    return true;
}

Identification identifyVersionFile(const QByteArray &data)
{
    Identification id;
    id.familyCode = familyCodeOf(data);
    id.family = familyOf(id.familyCode);
    if (data.size() < kMinVersionFileLength)
        return id;
    qint32 version = 0;
    const bool tag =
        QString::fromLatin1(data.mid(VersionOffset::Tag, 3)).toUpper() == QLatin1String("HEX");
    const bool prefix = data.mid(VersionOffset::VersionField, 2) == "00";
    const bool numeric = parseSoftwareVersion(
        data.mid(VersionOffset::VersionField, VersionOffset::VersionFieldLength), &version,
        QLocale::system());
    id.headerValid = tag && prefix && numeric;
    if (id.headerValid)
        id.version = version;
    return id;
}

LayoutChoice selectLayout(Family family, qint32 version, qsizetype length)
{
    // Software 8 and older publishes no settings; 9-27 has the short layout A,
    // 28-35 adds the configuration byte (B), 36 on and every CR unit the VDO
    // codes and the dates (C).
    LayoutChoice c;
    if (family != Family::CR && version < kFirstLayoutCVersion) {
        if (version < kFirstLayoutAVersion)
            return c;
        if (version < kFirstLayoutBVersion) {
            c.layout = Layout::A;
            c.firstListEnd = kLayoutALength - 1;
            c.lengthOk = length == kLayoutALength;
        } else {
            c.layout = Layout::B;
            c.firstListEnd = VersionOffset::ConfigByteB - 1;
            c.lengthOk = length == kLayoutBLength;
        }
        return c;
    }
    c.layout = Layout::C;
    c.firstListEnd = VersionOffset::ConfigByteC - 1;
    c.lengthOk = length >= kLayoutCMinLength;
    return c;
}

QString periodText(const QByteArray &data)
{
    constexpr int p = VersionOffset::Period;
    if (data.size() < p + 4)
        return {};
    const quint32 raw = quint32(byteAt(data, p)) | quint32(byteAt(data, p + 1)) << 8 |
                        quint32(byteAt(data, p + 2)) << 16 | quint32(byteAt(data, p + 3)) << 24;
    if (raw == kSinceLastDownload)
        return QStringLiteral("0");
    return daysText(qint32(raw) / kSecondsPerDay); // truncates toward zero
}

QString daysText(qint32 days)
{
    return days < 0 ? QString::number(days) : QLatin1Char(' ') + QString::number(days);
}

int configurationByteOf(Layout layout, const QByteArray &data)
{
    // Layout A has no configuration byte: all its flags read as off.
    switch (layout) {
    case Layout::B:
        return data.size() > VersionOffset::ConfigByteB ? byteAt(data, VersionOffset::ConfigByteB)
                                                        : 0xFF;
    case Layout::C:
        return data.size() > VersionOffset::ConfigByteC ? byteAt(data, VersionOffset::ConfigByteC)
                                                        : 0xFF;
    default:
        return 0xFF;
    }
}

bool clockEnabledBy(Layout layout, int configByte)
{
    return layout == Layout::C && (configByte & ConfigBit::ClockDisabled) == 0;
}

ConfigurationByteView decodeConfigurationByte(int configByte)
{
    ConfigurationByteView v;
    v.saveCardDate = (configByte & ConfigBit::SaveCardDate) == 0;
    v.kordavelPlus = (configByte & ConfigBit::KordavelModel) == 0;
    v.fileNameFormat =
        formatOfField((configByte & ConfigBit::FormatMask) >> ConfigBit::FormatShift);
    return v;
}

DatesBlock datesOf(const QByteArray &data)
{
    DatesBlock b;
    if (data.size() < kLayoutCMinLength)
        return b;
    b.useDates = byteAt(data, VersionOffset::DatesMarker) == kUseDatesMarker;
    b.start = countAt(data, VersionOffset::DownloadStart);
    b.end = countAt(data, VersionOffset::DownloadEnd);
    return b;
}

VersionAssessment assessVersionFile(const QByteArray &data, qint32 previousVersion)
{
    VersionAssessment a;
    a.version = previousVersion;
    if (data.size() < kMinVersionFileLength || data.size() > kMaxVersionFileLength) {
        a.verdict = VersionVerdict::TooShort;
        return a;
    }
    a.id = identifyVersionFile(data);
    if (!a.id.headerValid) {
        a.verdict = VersionVerdict::BadHeader;
        return a;
    }
    if (a.id.family != Family::Unknown)
        a.version = a.id.version;
    a.layout = selectLayout(a.id.family, a.version, data.size());
    if (a.layout.layout == Layout::None) {
        a.verdict = VersionVerdict::ConfigNotAvailable;
        return a;
    }
    if (!a.layout.lengthOk) {
        a.verdict = VersionVerdict::WrongLength;
        return a;
    }
    a.configByte = configurationByteOf(a.layout.layout, data);
    a.clockEnabled = clockEnabledBy(a.layout.layout, a.configByte);
    a.verdict = VersionVerdict::Accepted;
    return a;
}

} // namespace kordavel
