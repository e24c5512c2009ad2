#pragma once

#include "writer/hexfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace kordavel {

class Files;

// A record of every Configure: one row per event, in a file the user opens
// in a spreadsheet. The file is UTF-16LE with a byte-order mark, its cells
// separated by tabs and quoted as RFC 4180 quotes them: a spreadsheet takes
// such a file as Unicode text in columns whatever the list separator of its
// language. docs/fleet-standard.md has the columns.

enum class RecordEvent {
    FileWritten, // Configure put a configuration file on the device
    Success,     // the device came back and took it up
};

struct RecordEntry
{
    QDateTime when; // local time, written with its offset from UTC
    RecordEvent event = RecordEvent::FileWritten;
    QString driveLabel;
    QString familyCode; // "TQ", "CR"
    qint32 softwareVersion = 0;
    QString standardName; // empty without an active standard
    ScreenSettings written;
};

// The column headers, in English.
QStringList recordHeader();
// One row's cells.
QStringList recordCells(const RecordEntry &entry);
// A cell as written: a text that a spreadsheet would take as a formula
// (starting with =, +, - or @) gets a leading apostrophe; line breaks and
// tabs become blanks; a cell with a quote is quoted.
QString recordCell(const QString &text);

// The record file's whole new content: what it held, less a row (or a
// character) cut off at its end, with the entries appended (and the mark and
// header first when it held nothing). Empty when existing is not a record
// this program wrote.
QByteArray recordWithEntries(const QByteArray &existing, const std::vector<RecordEntry> &entries);

// The largest record read back; a larger file is set aside as a foreign one.
inline constexpr qint64 kMaxRecordBytes = qint64(64) * 1024 * 1024;

// Appends the entries to the record file at path (the platform's separators)
// through files: the new content is written beside it, flushed, put in its
// place in one step and the folder flushed, so a crash or a full disk leaves
// the file as it was. A file that is not a record this program wrote, or one
// larger than kMaxRecordBytes, is renamed aside (its name with the time of
// the first entry added) and a new record begun. False with the reason in
// problem when nothing was appended, e.g. while another program holds the file.
bool appendToRecord(Files &files, const QString &path, const std::vector<RecordEntry> &entries,
                    QString *problem);

} // namespace kordavel
