#include "record.h"

#include "fleet/standard.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>

namespace kordavel {

namespace {
// The texts the user reads, translated in this part's own context.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::FleetRecord)
};
} // namespace

namespace {

constexpr char16_t kByteOrderMark = u'\xFEFF';
constexpr QChar kSeparator = u'\t';

QString eventText(RecordEvent event)
{
    switch (event) {
    case RecordEvent::FileWritten:
        return QStringLiteral("file written");
    case RecordEvent::Success:
        return QStringLiteral("success");
    }
    return {};
}

// ISO 8601 with the offset always written, also for UTC ("+00:00").
QString isoWithOffset(const QDateTime &when)
{
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString line(const QStringList &cells)
{
    QStringList written;
    for (const QString &c : cells)
        written.append(recordCell(c));
    return written.join(kSeparator) + QStringLiteral("\r\n");
}

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

QStringList recordHeader()
{
    return {QStringLiteral("Date and time"),
            QStringLiteral("Event"),
            QStringLiteral("Drive label"),
            QStringLiteral("Family"),
            QStringLiteral("Software version"),
            QStringLiteral("Fleet standard"),
            QStringLiteral("Downloads"),
            QStringLiteral("Days back"),
            QStringLiteral("Start date"),
            QStringLiteral("End date"),
            QStringLiteral("Save card download date"),
            QStringLiteral("File name format"),
            QStringLiteral("Model")};
}

QStringList recordCells(const RecordEntry &e)
{
    const ScreenSettings &s = e.written;
    QStringList downloads;
    for (int d = 0; d < kFleetDownloadCount; ++d)
        if (s.isChecked(boxOf(FleetDownload(d))))
            downloads.append(keyOf(FleetDownload(d)));
    const bool dates = s.isChecked(DownloadBox::UseDates);
    const QString dateFormat = QStringLiteral("yyyy-MM-dd");
    const bool formatChosen = s.fileNameFormat >= 0 && s.fileNameFormat < kFileNameFormatCount;
    return {isoWithOffset(e.when),
            eventText(e.event),
            e.driveLabel,
            e.familyCode,
            QString::number(e.softwareVersion),
            e.standardName,
            downloads.join(QLatin1Char(' ')),
            QString::number(leadingWholeNumber(s.daysBack)),
            dates ? s.downloadStart.toString(dateFormat) : QString(),
            dates ? s.downloadEnd.toString(dateFormat) : QString(),
            s.isChecked(DownloadBox::SaveCardDate) ? QStringLiteral("yes") : QStringLiteral("no"),
            formatChosen ? keyOf(FileNameFormat(s.fileNameFormat)) : QString(),
            s.kordavelPlus ? QStringLiteral("Kordavel Plus") : QStringLiteral("Kordavel")};
}

QString recordCell(const QString &text)
{
    QString cell = text;
    for (QChar &c : cell)
        if (c == u'\r' || c == u'\n' || c == kSeparator)
            c = u' ';
    // A spreadsheet would run such a cell as a formula; the apostrophe keeps it text.
    if (!cell.isEmpty() && QStringLiteral("=+-@").contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u'"') || cell.contains(u','))
        cell = u'"' + cell.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return cell;
}

QByteArray recordWithEntries(const QByteArray &existing, const std::vector<RecordEntry> &entries)
{
    QString text;
    if (!existing.isEmpty()) {
        if (existing.size() < 2 || quint8(existing[0]) != 0xFF || quint8(existing[1]) != 0xFE)
            return {};
        // A copy cut off in the middle of a character leaves an odd byte.
        text = QString(reinterpret_cast<const QChar *>(existing.constData()), existing.size() / 2);
        // A row cut off by a crash has no line end: it goes.
        text.truncate(text.lastIndexOf(u'\n') + 1);
    }
    if (text.isEmpty())
        text = QChar(kByteOrderMark) + line(recordHeader());
    for (const RecordEntry &entry : entries)
        text += line(recordCells(entry));
    return utf16le(text);
}

bool appendToRecord(Files &files, const QString &path, const std::vector<RecordEntry> &entries,
                    QString *problem)
{
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!QDir().mkpath(folder)) {
        *problem = Text::tr("its folder cannot be made");
        return false;
    }
    QByteArray existing;
    const Files::ReadResult read = files.readFile(path, kMaxRecordBytes);
    bool foreign = read.status == Files::ReadStatus::TooLarge;
    if (read.status == Files::ReadStatus::Ok)
        existing = read.data;
    else if (read.status == Files::ReadStatus::Error) {
        *problem = Text::tr("it cannot be read");
        return false;
    }
    QByteArray content = recordWithEntries(existing, entries);
    foreign = foreign || content.isEmpty();
    if (foreign) {
        // Somebody's own file, or one grown beyond reason: kept under another name.
        const QString stamp =
            entries.empty() ? QString()
                            : entries.front().when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
        const QString aside = childPath(folder, info.completeBaseName() + QLatin1Char('-') + stamp +
                                                    QStringLiteral(".") + info.suffix());
        if (const FileResult moved = files.rename(path, aside); !moved) {
            *problem = moved.text;
            return false;
        }
        content = recordWithEntries({}, entries);
    }
    const QString fresh = path + QStringLiteral(".new");
    if (files.isFile(fresh))
        files.remove(fresh); // left by a crash
    if (const FileResult written = files.createDurable(fresh, content); !written) {
        *problem = written.text;
        return false;
    }
    if (const FileResult replaced = files.rename(fresh, path); !replaced) {
        files.remove(fresh);
        *problem = replaced.text;
        return false;
    }
    // The rows are in place; a folder that cannot be flushed only delays
    // their reaching the disk.
    files.syncDir(folder);
    return true;
}

} // namespace kordavel
