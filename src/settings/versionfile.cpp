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

QString hexByte(quint8 b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

QString digitsAt(const QByteArray &d, int offset)
{
    QString s;
    for (int i = offset; i < offset + 4; ++i)
        s += hexByte(byteAt(d, i));
    return s;
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

bool parseSoftwareVersion(const QByteArray &field, qint32 *version)
{
    const QString text = QString::fromLatin1(field).trimmed();
    if (text.isEmpty())
        return false;
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
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
    const bool tag = QString::fromLatin1(data.mid(8, 3)).toUpper() == QLatin1String("HEX");
    const bool prefix = data.mid(2, 2) == "00";
    const bool numeric = parseSoftwareVersion(data.mid(2, 6), &version);
    id.headerValid = tag && prefix && numeric;
    if (id.headerValid)
        id.version = version;
    return id;
}

LayoutChoice selectLayout(Family family, qint32 version, qsizetype length)
{
    LayoutChoice c;
    if (family != Family::CR && version <= 35) {
        if (version <= 8)
            return c;
        if (version <= 27) {
            c.layout = Layout::A;
            c.firstListEnd = 20;
            c.lengthOk = length == 21;
        } else {
            c.layout = Layout::B;
            c.firstListEnd = 23;
            c.lengthOk = length == 25;
        }
        return c;
    }
    c.layout = Layout::C;
    c.firstListEnd = 30;
    c.lengthOk = length >= 80;
    return c;
}

QString periodText(const QByteArray &data)
{
    if (data.size() < 15)
        return {};
    if (byteAt(data, 11) == 0xFF && byteAt(data, 12) == 0xFF && byteAt(data, 13) == 0xFF &&
        byteAt(data, 14) == 0xFF)
        return QStringLiteral("0");
    const quint32 raw = quint32(byteAt(data, 11)) | quint32(byteAt(data, 12)) << 8 |
                        quint32(byteAt(data, 13)) << 16 | quint32(byteAt(data, 14)) << 24;
    const qint32 days = qint32(raw) / 86400; // truncates toward zero
    return days < 0 ? QString::number(days) : QLatin1Char(' ') + QString::number(days);
}

int extensionByteOf(Layout layout, const QByteArray &data)
{
    switch (layout) {
    case Layout::B:
        return data.size() > 24 ? byteAt(data, 24) : 255;
    case Layout::C:
        return data.size() > 31 ? byteAt(data, 31) : 255;
    default:
        return 255;
    }
}

bool clockEnabledBy(Layout layout, int extension)
{
    return layout == Layout::C && (extension & 0x02) == 0;
}

ExtensionView decodeExtension(int extension)
{
    ExtensionView v{};
    v.saveCardDate = (extension & 0x08) == 0;
    v.model = (extension & 0x80) ? 0 : 1;
    static constexpr int kFormatToOption[8] = {4, 3, 2, 1, 0, 0, 0, 0};
    v.fileNameFormat = kFormatToOption[(extension / 16) % 8];
    return v;
}

int checkBoxForCode(int code)
{
    if (code >= 2 && code <= 6)
        return code;
    if (code == 0x11)
        return 10;
    if (code >= 0x12 && code <= 0x16)
        return 8;
    if (code == 0x19)
        return 9;
    return 0;
}

DatesBlock datesOf(const QByteArray &data)
{
    DatesBlock b;
    if (data.size() < 80)
        return b;
    b.useDates = byteAt(data, 71) == 0x55;
    b.startDigits = digitsAt(data, 72);
    b.endDigits = digitsAt(data, 76);
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
    a.extension = extensionByteOf(a.layout.layout, data);
    a.clockEnable = clockEnabledBy(a.layout.layout, a.extension);
    a.verdict = VersionVerdict::Accepted;
    return a;
}

} // namespace kordavel
