#include "devicesim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <cctype>
#include <variant>

namespace kordavel::sim {

namespace {

// The device's settings memory: configuration records address it from here,
// and its first 80 bytes are what the version file of layout C shows.
constexpr int kAreaStart = 0x3A00;
constexpr int kAreaLength = 80;

// The simulator keeps its own model of the version file, independent of the
// program's parser, so that the round trip checks one against the other.
constexpr int kHeaderLength = 11; // family, version field, "HEX"
constexpr int kPeriodAt = 11;
constexpr int kFirstCodesAt = 16;
constexpr int kSecondCodesAt = 32;
constexpr int kDatesMarkerAt = 71;
constexpr int kStartAt = 72;
constexpr int kEndAt = 76;
constexpr int kLengthA = 21;
constexpr int kLengthB = 25;
constexpr int kLengthC = 80;
constexpr int kConfigByteB = 24;
constexpr int kConfigByteC = 31;

QString rootOf(const QString &dir)
{
    QString r = QFileInfo(dir).absoluteFilePath();
    return r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/');
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// On Windows a file cannot be replaced while another process reads it (the
// program reads the drive table twice a second, and the version file when a
// device appears): the simulator tries again for up to two seconds rather
// than leave the old file in place.
bool writeAtomically(const QString &path, const QByteArray &data)
{
    constexpr int kAttempts = 40;
    constexpr unsigned long kPauseMs = 50;
    for (int attempt = 1;; ++attempt) {
        QSaveFile f(path);
        if (f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit())
            return true;
        if (attempt == kAttempts)
            return false;
        QThread::msleep(kPauseMs);
    }
}

QList<QByteArray> tableLinesWithout(const QString &table, const QString &root)
{
    QList<QByteArray> keep;
    for (const QByteArray &line : readFile(table).split('\n')) {
        if (line.isEmpty())
            continue;
        if (QString::fromUtf8(line.split('\t').value(0)) == root)
            continue;
        keep.append(line);
    }
    return keep;
}

} // namespace

int versionFileLength(const QByteArray &family, int version)
{
    if (family.toUpper() == "CR" || version >= 36)
        return kLengthC;
    if (version >= 28)
        return kLengthB;
    return kLengthA; // also for 8 and lower, which publish no settings
}

int configByteOffset(int length)
{
    if (length >= kLengthC)
        return kConfigByteC;
    if (length == kLengthB)
        return kConfigByteB;
    return -1;
}

QByteArray makeVersionFile(const VersionFileFields &s)
{
    const int length = versionFileLength(s.family, s.version);
    QByteArray d(length, char(0xFF));
    const QByteArray header =
        s.family.left(2) + QByteArray::number(s.version).rightJustified(6, '0').right(6) + "HEX";
    d.replace(0, kHeaderLength, header);
    d.replace(kPeriodAt, 4, s.period.left(4).leftJustified(4, char(0xFF)));
    const int configAt = configByteOffset(length);
    const int firstEnd = configAt > 0 ? std::min(configAt, kConfigByteC) : length;
    d.replace(kFirstCodesAt, std::min<int>(s.firstCodes.size(), firstEnd - kFirstCodesAt),
              s.firstCodes.left(firstEnd - kFirstCodesAt));
    if (configAt >= 0)
        d[configAt] = char(s.configByte);
    if (length >= kLengthC) {
        const int secondLength = kDatesMarkerAt - kSecondCodesAt;
        d.replace(kSecondCodesAt, std::min<int>(s.secondCodes.size(), secondLength),
                  s.secondCodes.left(secondLength));
        d[kDatesMarkerAt] = char(s.useDates ? 0x55 : 0xFF);
        for (int i = 0; i < 4; ++i) { // big-endian
            d[kStartAt + i] = char(s.start >> (24 - 8 * i));
            d[kEndAt + i] = char(s.end >> (24 - 8 * i));
        }
    }
    return d;
}

namespace {

// One record's bytes (count, address, type, data, checksum), or the reason
// the line holds none.
std::variant<QByteArray, QString> recordBytes(const QByteArray &line)
{
    if (!line.startsWith(':') || line.size() < 11 || (line.size() - 1) % 2 != 0)
        return QStringLiteral("not an Intel HEX record");
    const QByteArray hex = line.mid(1);
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return QStringLiteral("not a hex digit");
    const QByteArray raw = QByteArray::fromHex(hex);
    const int count = quint8(raw[0]);
    if (raw.size() != count + 5)
        return QStringLiteral("length %1 does not match the record (truncated?)").arg(count);
    int sum = 0;
    for (char c : raw)
        sum += quint8(c);
    if (sum % 256 != 0)
        return QStringLiteral("bad checksum");
    return raw;
}

// Takes a record into r: data and (non-zero) segment records are kept; an
// address outside the configuration area or an unknown type is an error.
QString takeRecord(const HexRecord &rec, HexParse &r, bool &ended)
{
    const bool zeroAddress = rec.data == QByteArray(2, 0);
    switch (rec.type) {
    case 0x01:
        ended = true;
        return {};
    case 0x00:
        r.records.append(rec);
        return {};
    case 0x02:
        if (rec.data.size() != 2)
            r.records.append(rec);
        else if (!zeroAddress)
            return QStringLiteral("segment address outside the configuration area");
        return {};
    case 0x04:
        return zeroAddress ? QString()
                           : QStringLiteral("linear address outside the configuration area");
    case 0x03:
    case 0x05:
        return {}; // start addresses mean nothing to the device
    default:
        return QStringLiteral("unknown record type %1").arg(rec.type);
    }
}

} // namespace

HexParse parseIntelHex(const QByteArray &text)
{
    HexParse r;
    bool ended = false;
    int lineNo = 0;
    for (QByteArray line : text.split('\n')) {
        ++lineNo;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QString where = QStringLiteral("line %1: ").arg(lineNo);
        if (ended) {
            r.error = where + QStringLiteral("data after the end record");
            return r;
        }
        const auto bytes = recordBytes(line);
        if (const QString *problem = std::get_if<QString>(&bytes)) {
            r.error = where + *problem;
            return r;
        }
        const QByteArray &raw = std::get<QByteArray>(bytes);
        HexRecord rec;
        rec.address = quint16(quint8(raw[1]) << 8 | quint8(raw[2]));
        rec.type = quint8(raw[3]);
        rec.data = raw.mid(4, quint8(raw[0]));
        if (const QString problem = takeRecord(rec, r, ended); !problem.isEmpty()) {
            r.error = where + problem;
            return r;
        }
    }
    if (!ended)
        r.error = QStringLiteral("no end record");
    return r;
}

TakeUpResult applyConfiguration(const QByteArray &versionFile, const QByteArray &hexText)
{
    TakeUpResult r;
    const HexParse parsed = parseIntelHex(hexText);
    if (!parsed.error.isEmpty()) {
        r.error = parsed.error;
        return r;
    }
    for (const HexRecord &rec : parsed.records) {
        if (rec.address < kAreaStart || rec.address + rec.data.size() > kAreaStart + kAreaLength) {
            r.error = QStringLiteral("record at %1 lies outside the configuration area")
                          .arg(rec.address, 4, 16, QLatin1Char('0'));
            return r;
        }
    }
    QByteArray d = versionFile;
    const int configAt = configByteOffset(int(d.size()));
    for (int i = kFirstCodesAt; i < std::min<int>(kAreaLength, d.size()); ++i)
        if (i != configAt)
            d[i] = char(0xFF);
    for (const HexRecord &rec : parsed.records) {
        for (int k = 0; k < rec.data.size(); ++k) {
            const int address = rec.address + k;
            const char byte = rec.data[k];
            if (address == kAreaStart) {
                if (configAt >= 0)
                    d[configAt] = byte;
                continue;
            }
            // The header record carries the family, version and period one address higher.
            const int offset =
                rec.address == kAreaStart ? address - kAreaStart - 1 : address - kAreaStart;
            // The device keeps its own family and version; only the header
            // record sets the period, other records only the code lists on.
            if (offset < kHeaderLength || (rec.address != kAreaStart && offset < kFirstCodesAt))
                continue;
            if (offset < 0 || offset >= d.size() || offset == configAt)
                continue;
            d[offset] = byte;
        }
    }
    r.versionFile = d;
    return r;
}

bool createDevice(const QString &dir, const QByteArray &versionFile, QString *error)
{
    QDir d(dir);
    if (!d.mkpath(QStringLiteral("KORDAVEL/CARD")) || !d.mkpath(QStringLiteral("UPDATES"))) {
        *error = QStringLiteral("cannot create %1").arg(dir);
        return false;
    }
    if (!writeAtomically(d.filePath(QStringLiteral("UPDATES/kordvers.ion")), versionFile)) {
        *error = QStringLiteral("cannot write the version file");
        return false;
    }
    return true;
}

std::optional<QString> takeUp(const QString &dir)
{
    const QDir d(dir);
    for (const char *name : {"UPDATES/DI999000.HEX", "UPDATES/ZA999000.HEX"}) {
        const QString hexPath = d.filePath(QLatin1String(name));
        if (!QFileInfo(hexPath).isFile())
            continue;
        const QString versionPath = d.filePath(QStringLiteral("UPDATES/kordvers.ion"));
        const TakeUpResult r = applyConfiguration(readFile(versionPath), readFile(hexPath));
        if (!r.error.isEmpty())
            return QStringLiteral("%1 not taken up: %2").arg(QLatin1String(name), r.error);
        if (!writeAtomically(versionPath, r.versionFile))
            return QStringLiteral("%1 not taken up: cannot rewrite the version file")
                .arg(QLatin1String(name));
        return QStringLiteral("%1 taken up").arg(QLatin1String(name));
    }
    return std::nullopt;
}

bool isPlugged(const QString &table, const QString &dir)
{
    const QString root = rootOf(dir);
    for (const QByteArray &line : readFile(table).split('\n'))
        if (QString::fromUtf8(line.split('\t').value(0)) == root)
            return true;
    return false;
}

bool plug(const QString &table, const QString &dir, const QString &label, QString *report)
{
    const QString root = rootOf(dir);
    if (!isPlugged(table, dir)) {
        if (const auto taken = takeUp(dir))
            *report = *taken;
    }
    QList<QByteArray> lines = tableLinesWithout(table, root);
    lines.append(root.toUtf8() + "\t2\t" + label.toUtf8());
    if (!writeAtomically(table, lines.join('\n') + '\n')) {
        *report = QStringLiteral("cannot write the drive table %1").arg(table);
        return false;
    }
    return true;
}

bool unplug(const QString &table, const QString &dir, QString *error)
{
    const QList<QByteArray> lines = tableLinesWithout(table, rootOf(dir));
    if (!writeAtomically(table, lines.isEmpty() ? QByteArray() : lines.join('\n') + '\n')) {
        *error = QStringLiteral("cannot write the drive table %1").arg(table);
        return false;
    }
    return true;
}

} // namespace kordavel::sim
