#include "standard.h"
#include "fleettext.h"

#include "platform/files.h"
#include "settings/devicedate.h"
#include "writer/hexfile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <vector>

#include <algorithm>
#include <cmath>

namespace kordavel {

namespace {

const char *const kKeys[] = {
    "format",        "version", "name", "downloads", "daysBack", "dates", "saveCardDownloadDate",
    "fileNameFormat"};
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

using Problem = QString;

// A whole number held by a JSON value, if it holds one.
std::optional<qint64> wholeNumber(const QJsonValue &v)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || std::fabs(d) > 1e15)
        return std::nullopt;
    return qint64(d);
}

std::optional<QDate> strictDate(const QJsonValue &v)
{
    const QString text = v.toString();
    if (!v.isString() || text.size() != 10)
        return std::nullopt;
    const QDate d = QDate::fromString(text, kDateFormat);
    return d.isValid() ? std::optional(d) : std::nullopt;
}

std::optional<Problem> readDownloads(const QJsonValue &v, DeviceSettings &s)
{
    const QString wrong =
        FleetText::tr("\"downloads\" must be a list of download names such as \"activities\".");
    if (!v.isArray())
        return wrong;
    const QJsonArray items = v.toArray();
    for (const QJsonValue item : items) {
        if (!item.isString())
            return wrong;
        bool known = false;
        for (const DownloadItem &download : settableDownloadItems()) {
            if (item.toString() == QLatin1String(download.key)) {
                s.setChecked(download.box, true);
                known = true;
            }
        }
        if (!known)
            return FleetText::tr("\"%1\" in \"downloads\" is not a download this program knows.")
                .arg(item.toString().left(40));
    }
    return std::nullopt;
}

std::optional<Problem> readDates(const QJsonValue &v, DeviceSettings &s)
{
    const QString wrong =
        FleetText::tr("\"dates\" must hold \"start\" and \"end\", each a date written YYYY-MM-DD.");
    if (!v.isObject())
        return wrong;
    const QJsonObject o = v.toObject();
    for (const QString &key : o.keys())
        if (key != QLatin1String("start") && key != QLatin1String("end"))
            return FleetText::tr("\"dates\" holds \"%1\", which a standard file does not have.")
                .arg(key.left(40));
    const std::optional<QDate> start = strictDate(o.value(QLatin1String("start")));
    const std::optional<QDate> end = strictDate(o.value(QLatin1String("end")));
    if (!start || !end)
        return wrong;
    if (std::optional<Problem> problem = datesProblem({*start, *end}))
        return problem;
    s.useDates(DateRange{*start, *end});
    return std::nullopt;
}

std::optional<Problem> readStandard(const QJsonObject &o, FleetStandard &standard)
{
    QStringList unknown;
    for (const QString &key : o.keys())
        if (std::find_if(std::begin(kKeys), std::end(kKeys),
                         [&](const char *k) { return key == QLatin1String(k); }) == std::end(kKeys))
            unknown.append(QLatin1Char('"') + key.left(40) + QLatin1Char('"'));
    if (!unknown.isEmpty())
        return FleetText::tr("The file holds %1, which a fleet standard does not have.")
            .arg(unknown.join(QLatin1String(", ")));
    if (o.value(QLatin1String("format")).toString() != QLatin1String(kFleetStandardFormat))
        return FleetText::tr("The file is not a fleet standard: its \"format\" is not \"%1\".")
            .arg(QLatin1String(kFleetStandardFormat));
    if (wholeNumber(o.value(QLatin1String("version"))) != kFleetStandardVersion)
        return FleetText::tr("The file is a fleet standard of a version this program does not "
                             "read (it reads version %1).")
            .arg(kFleetStandardVersion);
    for (const char *required :
         {"name", "downloads", "daysBack", "saveCardDownloadDate", "fileNameFormat"})
        if (!o.contains(QLatin1String(required)))
            return FleetText::tr("The file has no \"%1\".").arg(QLatin1String(required));

    const QJsonValue name = o.value(QLatin1String("name"));
    if (!name.isString())
        return FleetText::tr("\"name\" must be a text.");
    standard.name = name.toString();
    if (std::optional<Problem> p = standardNameProblem(standard.name))
        return p;
    DeviceSettings &s = standard.settings;
    if (std::optional<Problem> p = readDownloads(o.value(QLatin1String("downloads")), s))
        return p;
    const std::optional<qint64> days = wholeNumber(o.value(QLatin1String("daysBack")));
    if (!days)
        return FleetText::tr("\"daysBack\" must be a whole number of days.");
    if (std::optional<Problem> p = daysBackProblem(*days))
        return p;
    s.daysBack = daysBackText(qint32(*days));
    if (o.contains(QLatin1String("dates")))
        if (std::optional<Problem> p = readDates(o.value(QLatin1String("dates")), s))
            return p;
    const QJsonValue save = o.value(QLatin1String("saveCardDownloadDate"));
    if (!save.isBool())
        return FleetText::tr("\"saveCardDownloadDate\" must be true or false.");
    s.setChecked(DownloadBox::SaveCardDate, save.toBool());
    const QString format = o.value(QLatin1String("fileNameFormat")).toString();
    bool knownFormat = false;
    for (const FileNameFormatItem &item : fileNameFormats()) {
        if (format == QLatin1String(item.key)) {
            s.fileNameFormat = item.format;
            knownFormat = true;
        }
    }
    if (!knownFormat)
        return FleetText::tr("\"fileNameFormat\" must be one of \"short-esm-crd\", "
                             "\"european-ddd\", \"french-c1b-v1b\", \"spanish-tgd\" and "
                             "\"duvado-rirozo-ddd\".");
    return std::nullopt;
}

// The character an escape stands for (json[i] follows the backslash); i is
// left on the escape's last character.
QString unescaped(const QByteArray &json, qsizetype &i)
{
    switch (json[i]) {
    case 'b':
        return QString(u'\b');
    case 'f':
        return QString(u'\f');
    case 'n':
        return QString(u'\n');
    case 'r':
        return QString(u'\r');
    case 't':
        return QString(u'\t');
    case 'u': {
        bool ok = false;
        const ushort unit = json.mid(i + 1, 4).toUShort(&ok, 16);
        i += 4;
        return ok ? QString(QChar(unit)) : QString();
    }
    default:
        return QString(QLatin1Char(json[i])); // " \ /
    }
}

// The string that starts after the quote at json[i], escapes decoded; i is
// left on its closing quote.
QString stringAt(const QByteArray &json, qsizetype &i)
{
    const qsizetype n = json.size();
    QString text;
    QByteArray raw;
    for (++i; i < n && json[i] != '"'; ++i) {
        if (json[i] != '\\') {
            raw += json[i];
            continue;
        }
        text += QString::fromUtf8(raw);
        raw.clear();
        if (++i >= n)
            break;
        text += unescaped(json, i);
    }
    return text + QString::fromUtf8(raw);
}

// The first key that an object of json (valid JSON, as Qt's parser found
// it) holds twice, its escapes decoded; nullopt when none. Qt's parser keeps
// the last of such keys without a word, so the text is scanned itself.
std::optional<QString> firstDuplicateKey(const QByteArray &json)
{
    struct Level
    {
        bool object = false;
        bool expectingKey = false;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    for (qsizetype i = 0; i < json.size(); ++i) {
        switch (json[i]) {
        case '{':
        case '[':
            levels.push_back({json[i] == '{', json[i] == '{', {}});
            break;
        case '}':
        case ']':
            if (!levels.empty())
                levels.pop_back();
            break;
        case ',':
            if (!levels.empty() && levels.back().object)
                levels.back().expectingKey = true;
            break;
        case '"': {
            const QString text = stringAt(json, i);
            if (!levels.empty() && levels.back().expectingKey) {
                Level &level = levels.back();
                level.expectingKey = false;
                if (level.keys.contains(text))
                    return text;
                level.keys.insert(text);
            }
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> datesProblem(const DateRange &dates)
{
    if (dates.end < dates.start)
        return FleetText::tr("The end date %1 lies before the start date %2.")
            .arg(dates.end.toString(kDateFormat), dates.start.toString(kDateFormat));
    for (const QDate &day : {dates.start, dates.end})
        if (!deviceSeconds(QDateTime(day, QTime(0, 0))))
            return dateOutOfRangeProblem(day);
    return std::nullopt;
}

std::variant<FleetStandard, QString> parseFleetStandard(const QByteArray &json)
{
    if (json.size() > kMaxFleetStandardBytes)
        return FleetText::tr("The file is too large to be a fleet standard.");
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return FleetText::tr("The file is not valid JSON (%1 at byte %2).")
            .arg(error.errorString(), QString::number(error.offset));
    if (!doc.isObject())
        return FleetText::tr("The file is not a fleet standard: it holds no JSON object.");
    if (const std::optional<QString> twice = firstDuplicateKey(json))
        return FleetText::tr("The file holds \"%1\" twice in one place; a key may be given once.")
            .arg(twice->left(40));
    FleetStandard standard;
    if (const std::optional<Problem> p = readStandard(doc.object(), standard))
        return *p;
    return standard;
}

bool FleetStandard::operator==(const FleetStandard &other) const
{
    return fleetStandardFile(*this) == fleetStandardFile(other);
}

QByteArray fleetStandardFile(const FleetStandard &standard)
{
    const DeviceSettings &s = standard.settings;
    QJsonObject o;
    o.insert(QLatin1String("format"), QLatin1String(kFleetStandardFormat));
    o.insert(QLatin1String("version"), kFleetStandardVersion);
    o.insert(QLatin1String("name"), standard.name);
    QJsonArray downloads;
    for (const DownloadItem &item : settableDownloadItems())
        if (s.isChecked(item.box))
            downloads.append(QLatin1String(item.key));
    o.insert(QLatin1String("downloads"), downloads);
    o.insert(QLatin1String("daysBack"), s.daysBackCount());
    if (const std::optional<DateRange> dates = s.usedDates())
        o.insert(QLatin1String("dates"),
                 QJsonObject{{QLatin1String("start"), dates->start.toString(kDateFormat)},
                             {QLatin1String("end"), dates->end.toString(kDateFormat)}});
    o.insert(QLatin1String("saveCardDownloadDate"), s.isChecked(DownloadBox::SaveCardDate));
    const FileNameFormat format = s.fileNameFormat.value_or(FileNameFormat::ShortNames);
    o.insert(QLatin1String("fileNameFormat"), QLatin1String(itemOf(format).key));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<QString> standardNameProblem(const QString &name)
{
    const QList<uint> points = name.toUcs4();
    if (points.size() > kMaxStandardNameLength)
        return FleetText::tr("The name of a fleet standard may have at most %1 characters.")
            .arg(kMaxStandardNameLength);
    // Half a surrogate pair would become U+FFFD in the record and in a file.
    bool invisible = !name.isValidUtf16();
    for (const uint point : points) {
        switch (QChar::category(char32_t(point))) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            invisible = true;
            break;
        default:
            break;
        }
    }
    if (invisible)
        return FleetText::tr("The name of a fleet standard may not hold line breaks, tabs or "
                             "other invisible characters.");
    return std::nullopt;
}

std::variant<QByteArray, QString> readFleetStandardFile(Files &files, const QString &path)
{
    Files::ReadResult read = files.readFile(fileBehind(path), kMaxFleetStandardBytes);
    switch (read.status) {
    case Files::ReadStatus::Ok:
        return std::move(read.data);
    case Files::ReadStatus::TooLarge:
        return FleetText::tr("The file is too large to be a fleet standard.");
    case Files::ReadStatus::Missing:
        return FleetText::tr("There is no such file.");
    case Files::ReadStatus::Error:
        break;
    }
    return FleetText::tr("The file cannot be read (%1).")
        .arg(fileFailure("read", read.nativeError).text);
}

std::variant<FleetStandard, QString> loadFleetStandard(Files &files, const QString &path)
{
    std::variant<QByteArray, QString> read = readFleetStandardFile(files, path);
    if (QString *problem = std::get_if<QString>(&read))
        return std::move(*problem);
    return parseFleetStandard(std::get<QByteArray>(read));
}

bool saveFleetStandard(Files &files, const QString &path, const FleetStandard &standard,
                       QString *problem)
{
    if (std::optional<QString> wrong = standardNameProblem(standard.name)) {
        *problem = *wrong;
        return false;
    }
    const FileResult saved = replaceInOneStep(files, fileBehind(path), fleetStandardFile(standard));
    if (!saved)
        *problem = saved.text;
    return saved.ok();
}

} // namespace kordavel
