#include "record.h"
#include "fleettext.h"

#include "fleet/standard.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace kordavel {

namespace {

constexpr char16_t kByteOrderMark = u'\xFEFF';
constexpr QChar kSeparator = u'\t';

QString eventText(RecordEvent event)
{
    switch (event) {
    case RecordEvent::FileWritten:
        return QStringLiteral("file written");
    case RecordEvent::FileUnconfirmed:
        return QStringLiteral("file unconfirmed");
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
    const DeviceSettings &s = e.written;
    QStringList downloads;
    for (const DownloadItem &item : settableDownloadItems())
        if (s.isChecked(item.box))
            downloads.append(QLatin1String(item.key));
    const bool dates = s.isChecked(DownloadBox::UseDates);
    const QString dateFormat = QStringLiteral("yyyy-MM-dd");
    return {isoWithOffset(e.when),
            eventText(e.event),
            e.driveLabel,
            e.familyCode,
            QString::number(e.softwareVersion),
            e.standardName,
            downloads.join(QLatin1Char(' ')),
            QString::number(s.daysBackCount()),
            dates ? s.downloadStart.toString(dateFormat) : QString(),
            dates ? s.downloadEnd.toString(dateFormat) : QString(),
            s.isChecked(DownloadBox::SaveCardDate) ? QStringLiteral("yes") : QStringLiteral("no"),
            s.fileNameFormat ? QLatin1String(itemOf(*s.fileNameFormat).key) : QString(),
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

namespace {

// The record's text from its bytes, less a row (or a character) cut off at
// its end; nullopt when they are not a record this program wrote.
std::optional<QString> recordText(const QByteArray &existing)
{
    if (existing.isEmpty())
        return QString();
    if (existing.size() < 2 || quint8(existing[0]) != 0xFF || quint8(existing[1]) != 0xFE)
        return std::nullopt;
    // A copy cut off in the middle of a character leaves an odd byte.
    QString text(reinterpret_cast<const QChar *>(existing.constData()), existing.size() / 2);
    // A row cut off by a crash has no line end: it goes.
    text.truncate(text.lastIndexOf(u'\n') + 1);
    return text;
}

// The record with lines (each with its line end) appended; a new one starts
// with header.
QByteArray recordWithLines(QString text, const QStringList &header, const QStringList &lines)
{
    if (text.isEmpty())
        text = QChar(kByteOrderMark) + line(header);
    for (const QString &l : lines)
        text += l;
    return utf16le(text);
}

// How many of lines, from the first, the record's text ends with: rows added
// before the program could clear them from the pending file.
qsizetype heldAtEnd(const QString &text, const QStringList &lines)
{
    for (qsizetype k = std::min<qsizetype>(lines.size(), text.count(u'\n')); k > 0; --k) {
        QString tail;
        for (qsizetype i = 0; i < k; ++i)
            tail += lines[i];
        if (text.endsWith(tail))
            return k;
    }
    return 0;
}

QString folderOf(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

const QByteArray kPendingHeading = "kordavel pending record rows 1\n";
// The largest file of pending rows read back (a month of Configures a day is
// a few hundred kilobytes).
constexpr qint64 kMaxPendingBytes = qint64(16) * 1024 * 1024;

// The pending rows' file: a first line naming it, then the record's lines
// for the rows, each without its line end. UTF-8.
QStringList parsePending(const QByteArray &bytes)
{
    QStringList lines;
    const QString text = QString::fromUtf8(bytes.mid(kPendingHeading.size()));
    for (const QString &l : text.split(u'\n', Qt::SkipEmptyParts))
        lines.append(l + QStringLiteral("\r\n"));
    return lines;
}

QByteArray pendingFile(const QStringList &lines)
{
    QByteArray bytes = kPendingHeading;
    for (const QString &l : lines)
        bytes += l.chopped(2).toUtf8() + '\n';
    return bytes;
}

// The time of a record line (its first cell, "2026-01-02T03:04:05+01:00") as
// a part of a file name ("20260102-030405").
QString stampOf(const QString &recordLine)
{
    QString stamp = recordLine.left(19);
    stamp.remove(u'-').remove(u':').replace(u'T', u'-');
    return stamp;
}

// How a record file is begun and where it may be.
struct RecordFile
{
    QString path;
    QStringList header;
    bool makeFolder = true; // a local folder is made; the organisation's never is
    // Every row ends with an id of its own: one the file holds anywhere is
    // not added again. Otherwise only its end is looked at.
    bool uniqueRows = false;
};

// Appends lines to the record file, less those of the first mayBeHeld that
// it ends with already; nullopt once they are in it.
std::optional<QString> appendLines(Files &files, const RecordFile &file, const QStringList &lines,
                                   qsizetype mayBeHeld)
{
    const QString target = fileBehind(file.path);
    const QString folder = folderOf(target);
    if (file.makeFolder ? !QDir().mkpath(folder) : !files.isDir(folder))
        return file.makeFolder ? FleetText::tr("its folder cannot be made")
                               : FleetText::tr("the folder is not there");
    const Files::ReadResult read = files.readFile(target, kMaxRecordBytes);
    if (read.status == Files::ReadStatus::Error)
        return FleetText::tr("it cannot be read");
    std::optional<QString> text =
        read.status == Files::ReadStatus::Ok ? recordText(read.data) : QString();
    if (read.status == Files::ReadStatus::TooLarge || !text) {
        // Somebody's own file, or one grown beyond reason: kept under another name.
        const QFileInfo info(target);
        const QString aside =
            childPath(folder, info.completeBaseName() + QLatin1Char('-') + stampOf(lines.value(0)) +
                                  QStringLiteral(".") + info.suffix());
        if (const FileResult moved = files.rename(target, aside); !moved)
            return moved.text;
        text = QString();
    }
    QStringList added;
    if (file.uniqueRows) {
        // By the row's id alone: a spreadsheet that saved the file may have
        // quoted its cells otherwise.
        for (const QString &l : lines)
            if (!text->contains(l.chopped(2).section(u'\t', -1)))
                added.append(l);
    } else {
        added = lines.mid(heldAtEnd(*text, lines.first(mayBeHeld)));
    }
    if (added.isEmpty())
        return std::nullopt;
    if (const FileResult written =
            replaceInOneStep(files, target, recordWithLines(*text, file.header, added));
        !written)
        return written.text;
    return std::nullopt;
}

} // namespace

RecordResult addToRecord(Files &files, const RecordPaths &paths,
                         const std::vector<RecordEntry> &entries)
{
    RecordResult result;
    const QString pending = fileBehind(paths.pending);
    Files::ReadResult read = files.readFile(pending, kMaxPendingBytes);
    const bool foreign =
        read.status == Files::ReadStatus::TooLarge ||
        (read.status == Files::ReadStatus::Ok && !read.data.startsWith(kPendingHeading));
    if (foreign) {
        // Not a file of ours (or one grown beyond reason): kept, never written over.
        const QString aside =
            pending + QLatin1Char('-') +
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz"));
        if (files.rename(pending, aside))
            read = {Files::ReadStatus::Missing, {}, 0};
    }
    if (read.status != Files::ReadStatus::Ok && read.status != Files::ReadStatus::Missing) {
        // The rows before these cannot be had now, and these must not pass them.
        result.problem = FleetText::tr("the rows waiting for it cannot be read");
        return result;
    }
    QStringList lines = parsePending(read.data);
    // Only rows from before may have reached the record already.
    const qsizetype fromBefore = lines.size();
    if (lines.empty() && entries.empty()) {
        result.recorded = result.kept = true;
        return result;
    }
    for (const RecordEntry &entry : entries)
        lines.append(line(recordCells(entry)));
    result.kept = entries.empty(); // the pending rows are where they were
    if (!entries.empty() && QDir().mkpath(folderOf(pending)))
        result.kept = bool(replaceInOneStep(files, pending, pendingFile(lines)));

    if (const std::optional<QString> problem =
            appendLines(files, {paths.record, recordHeader()}, lines, fromBefore)) {
        result.problem = *problem;
        return result;
    }
    result.recorded = result.kept = true;
    // Should the file stay, the record's end tells next time that its rows are in.
    if (files.isFile(pending) && files.remove(pending))
        files.syncDir(folderOf(pending));
    return result;
}

namespace {

const QByteArray kRowHeading = "kordavel record row 1\n";
const QString kRowPrefix = QStringLiteral("row-");
const QString kRowSuffix = QStringLiteral(".txt");
constexpr int kSequenceDigits = 12;

QStringList sharedRecordHeader()
{
    return recordHeader() << QStringLiteral("Row ID");
}

// The rows in the outbox, oldest first: their names begin with their place.
QStringList rowFiles(Files &files, const QString &outbox)
{
    QStringList names = files.listFiles(outbox).value_or(QStringList());
    names.removeIf(
        [](const QString &n) { return !n.startsWith(kRowPrefix) || !n.endsWith(kRowSuffix); });
    names.sort();
    return names;
}

// The place of the next row: after every row waiting, whatever the clock
// says. Once all have gone the count may begin again.
qint64 nextPlace(const QStringList &names)
{
    return names.isEmpty() ? 1
                           : names.last().mid(kRowPrefix.size(), kSequenceDigits).toLongLong() + 1;
}

} // namespace

std::size_t keepForSharedRecord(Files &files, const QString &outbox,
                                const std::vector<RecordEntry> &entries)
{
    if (entries.empty() || !QDir().mkpath(outbox))
        return 0;
    qint64 place = nextPlace(rowFiles(files, outbox));
    std::size_t kept = 0;
    for (const RecordEntry &entry : entries) {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QByteArray row =
            kRowHeading + line(recordCells(entry) << id).chopped(2).toUtf8() + '\n';
        const QString path = childPath(
            outbox, kRowPrefix +
                        QStringLiteral("%1-").arg(place, kSequenceDigits, 10, QLatin1Char('0')) +
                        id + kRowSuffix);
        // Made beside its name and then named: the sender never sees half a row.
        const QString part = path + QStringLiteral(".part");
        if (!files.createDurable(part, row) || !files.rename(part, path)) {
            files.remove(part);
            break;
        }
        ++kept;
        ++place;
    }
    // A row that is there counts as kept even when the folder cannot be
    // flushed: making it again would add it twice.
    if (kept > 0)
        files.syncDir(outbox);
    return kept;
}

namespace {

// The outbox's rows from the oldest on, up to the first that cannot be read
// now (the order holds); a file that is no row of ours is set aside.
QStringList readRows(Files &files, const QString &outbox, QStringList &sent)
{
    QStringList lines;
    for (const QString &name : rowFiles(files, outbox)) {
        const QString path = childPath(outbox, name);
        const Files::ReadResult row = files.readFile(path, kMaxPendingBytes);
        if (row.status != Files::ReadStatus::Ok)
            break;
        if (!row.data.startsWith(kRowHeading) || !row.data.endsWith('\n')) {
            files.rename(path, path + QStringLiteral(".set-aside"));
            continue;
        }
        lines.append(QString::fromUtf8(row.data.mid(kRowHeading.size()).chopped(1)) +
                     QStringLiteral("\r\n"));
        sent.append(name);
    }
    return lines;
}

} // namespace

SharedRecordResult sendToSharedRecord(Files &files, const SharedRecord &record)
{
    SharedRecordResult result;
    result.waiting = int(rowFiles(files, record.outbox).size());
    if (result.waiting == 0)
        return result;
    if (!files.isDir(record.folder)) {
        result.problem = FleetText::tr("the folder is not there");
        return result;
    }
    // Every copy of the program on this computer, of any user, writes its
    // file one at a time; a lock left by a copy that ended is taken over.
    const QString target = childPath(record.folder, record.fileName);
    QLockFile writing(target + QStringLiteral(".lock"));
    writing.setStaleLockTime(0);
    if (!writing.tryLock(0)) {
        result.problem = writing.error() == QLockFile::LockFailedError
                             ? FleetText::tr("another copy of this program is sending them")
                             : FleetText::tr("its lock file cannot be made");
        return result;
    }
    QStringList sent;
    const QStringList lines = readRows(files, record.outbox, sent);
    result.waiting = int(rowFiles(files, record.outbox).size());
    if (!lines.isEmpty()) {
        const RecordFile file{target, sharedRecordHeader(), false, true};
        if (const std::optional<QString> problem = appendLines(files, file, lines, lines.size())) {
            result.problem = *problem;
            return result;
        }
        for (const QString &name : sent)
            files.remove(childPath(record.outbox, name));
        files.syncDir(record.outbox);
        result.sent = int(sent.size());
        result.waiting -= result.sent;
    }
    if (result.waiting > 0)
        result.problem = FleetText::tr("a row waiting cannot be read");
    return result;
}

} // namespace kordavel
