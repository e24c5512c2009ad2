#include "hexfile.h"
#include "writertext.h"

#include "settings/devicedate.h"
#include "settings/versionfile.h"

#include <QCoreApplication>

#include <utility>
#include <variant>

namespace kordavel {

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

// The VDO-specific record: groups of codes, each opened by the overview code
// and ended by a group end; the whole ends with one more group end. Empty when
// no VDO-specific box is checked.
QByteArray vdoCodesData(const DeviceSettings &s)
{
    using namespace DownloadCode;
    const QByteArray opened = bytes({Overview});
    QByteArray d = opened;
    if (s.isChecked(DownloadBox::Speed4Hz))
        d.append(char(Speed4Hz));
    if (s.isChecked(DownloadBox::OtherVdoData)) {
        if (s.isChecked(DownloadBox::Speed4Hz))
            d.append(bytes({GroupEnd, Overview}));
        for (int code = OtherVdoFirst; code <= OtherVdoLast; ++code)
            d.append(char(code));
        d.append(char(GroupEnd));
    }
    if (s.isChecked(DownloadBox::Speed168h)) {
        if (d == opened) {
            d.append(bytes({Speed168h, GroupEnd}));
        } else {
            if (!d.endsWith(char(GroupEnd)))
                d.append(char(GroupEnd));
            d.append(bytes({Overview, Speed168h, GroupEnd}));
        }
    }
    if (d == opened)
        return {};
    d.append(char(GroupEnd));
    return d;
}

const QByteArray kLineEnd("\r\n");
const QByteArray kUnsetPeriod = bytes({0xFF, 0xFF, 0xFF, 0xFF});

BuildResult refused(BuildStatus status, const QString &problem)
{
    BuildResult r;
    r.status = status;
    r.problem = problem;
    return r;
}

BuildResult built(const QString &fileName, const QByteArray &text)
{
    BuildResult r;
    r.status = BuildStatus::Ok;
    r.fileName = fileName;
    r.text = text;
    return r;
}

// The header record's data: the configuration byte, then a version-file header
// naming the family (its version field is always 000007), then the period.
QByteArray headerData(int configByte, const char *family, const QByteArray &period)
{
    QByteArray header = bytes({configByte});
    header.append(family);
    header.append("000007HEX");
    header.append(period);
    return header;
}

// A CR unit takes only its configuration byte; its code record is blank.
BuildResult crConfigurationFile(int configByte)
{
    const QByteArray text =
        hexRecord(RecordAddress::Header, kCrRecord, headerData(configByte, "CR", kUnsetPeriod)) +
        kLineEnd + hexRecord(RecordAddress::StandardCodes, kCrRecord, QByteArray(16, char(0xFF))) +
        kLineEnd + kEndOfFileRecord + kLineEnd;
    return built(QLatin1String(kCrConfigurationFileName), text);
}

// Seconds back, little-endian; 0 days is "since the last download".
QByteArray periodData(qint64 days)
{
    if (days == 0)
        return kUnsetPeriod;
    const quint32 secs = quint32(qint32(days * kSecondsPerDay));
    return bytes(
        {int(secs & 0xFF), int(secs >> 8 & 0xFF), int(secs >> 16 & 0xFF), int(secs >> 24)});
}

// The standard codes: the overview always, then one code per checked box.
QByteArray standardCodesData(const DeviceSettings &s, qint32 softwareVersion)
{
    using namespace DownloadCode;
    QByteArray standard = bytes({Overview});
    const std::pair<DownloadBox, quint8> standardBoxes[] = {
        {DownloadBox::Activities, Activities},       {DownloadBox::EventsFaults, EventsFaults},
        {DownloadBox::DetailedSpeed, DetailedSpeed}, {DownloadBox::TechnicalData, TechnicalData},
        {DownloadBox::DriverCard, DriverCard},
    };
    for (const auto &[box, code] : standardBoxes)
        if (s.isChecked(box))
            standard.append(char(code));
    // Older units ask for their VDO-specific data with this one code.
    if (softwareVersion < kFirstVersionWithVdoRecords && s.isChecked(DownloadBox::OtherVdoData))
        standard.append(char(Speed4Hz));
    standard.append(char(GroupEnd));
    return standard;
}

// The dates record's data: the marker, then the start and the end as device
// counts, most significant byte first. Returns the first date the device
// cannot hold instead, when there is one.
std::variant<QByteArray, QDate> datesData(const DeviceSettings &s)
{
    QByteArray dates = bytes({s.isChecked(DownloadBox::UseDates) ? kUseDatesMarker : 0xFF});
    for (const QDate &day : {s.downloadStart, s.downloadEnd}) {
        const std::optional<quint32> count = deviceSeconds(QDateTime(day, QTime(0, 0)));
        if (!count)
            return day;
        for (int shift = 24; shift >= 0; shift -= 8)
            dates.append(char(*count >> shift & 0xFF));
    }
    return dates;
}

BuildResult tqConfigurationFile(const DeviceSettings &s, qint32 softwareVersion, int configByte)
{
    const qint64 days = s.daysBackCount();
    if (std::optional<QString> problem = daysBackProblem(days))
        return refused(BuildStatus::DaysOutOfRange, *problem);
    QByteArray text = hexRecord(RecordAddress::Header, kDataRecord,
                                headerData(configByte, "TQ", periodData(days))) +
                      kLineEnd;
    text += hexRecord(RecordAddress::StandardCodes, kDataRecord,
                      standardCodesData(s, softwareVersion)) +
            kLineEnd;
    if (softwareVersion >= kFirstVersionWithVdoRecords) {
        const QByteArray vdo = vdoCodesData(s);
        if (!vdo.isEmpty())
            text += hexRecord(RecordAddress::VdoCodes, kDataRecord, vdo) + kLineEnd;
        const std::variant<QByteArray, QDate> dates = datesData(s);
        if (const QDate *unheld = std::get_if<QDate>(&dates))
            return refused(BuildStatus::DateOutOfRange, dateOutOfRangeProblem(*unheld));
        text +=
            hexRecord(RecordAddress::Dates, kDataRecord, std::get<QByteArray>(dates)) + kLineEnd;
    }
    text += kEndOfFileRecord + kLineEnd;
    return built(QLatin1String(kTqConfigurationFileName), text);
}

} // namespace

QString unknownFamilyProblem()
{
    return WriterText::tr("Unknown Kordavel type");
}

// The range is named by the first and the last day the device's count reaches.
QString dateOutOfRangeProblem(const QDate &day)
{
    const QString format = QStringLiteral("yyyy-MM-dd");
    const QDate first = deviceDateTime(0).date();
    const QDate last = deviceDateTime(quint32(kDeviceSecondsLimit - 1)).date();
    return WriterText::tr("The date %1 cannot be stored in the Kordavel: dates must lie "
                          "between %2 and %3.")
        .arg(day.toString(format), first.toString(format), last.toString(format));
}

int configurationByte(const DeviceSettings &s, int previousByte, bool clockEnabled)
{
    // A format rebuilds the byte: the model bit and all other flags set (off),
    // the format field in bits 4-6.
    int byte = previousByte;
    if (s.fileNameFormat)
        byte = ConfigBit::AllOff | formatField(*s.fileNameFormat) << ConfigBit::FormatShift;
    if (s.isChecked(DownloadBox::SaveCardDate))
        byte &= ~ConfigBit::SaveCardDate;
    if (s.kordavelPlus)
        byte &= ~ConfigBit::KordavelModel;
    if (clockEnabled)
        byte &= ~ConfigBit::ClockDisabled;
    return byte & 0xFF;
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

BuildResult buildConfigurationFile(const DeviceSettings &s, const QString &familyCode,
                                   qint32 softwareVersion, int configByte)
{
    switch (familyOf(familyCode.left(2).toUpper())) {
    case Family::CR:
        return crConfigurationFile(configByte);
    case Family::TQ:
        return tqConfigurationFile(s, softwareVersion, configByte);
    case Family::Unknown:
        break;
    }
    return refused(BuildStatus::UnknownFamily, unknownFamilyProblem());
}

} // namespace kordavel
