#pragma once

#include "settings/devicesettings.h"

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
    FileWritten,     // Configure put a configuration file on the device
    FileUnconfirmed, // Configure's file may be on the device: it could not be confirmed
    Success,         // the device came back and took it up
};

struct RecordEntry
{
    QDateTime when; // local time, written with its offset from UTC
    RecordEvent event = RecordEvent::FileWritten;
    QString driveLabel;
    QString familyCode; // "TQ", "CR"
    qint32 softwareVersion = 0;
    QString standardName; // empty without an active standard
    DeviceSettings written;
};

// The column headers, in English.
QStringList recordHeader();
// One row's cells.
QStringList recordCells(const RecordEntry &entry);
// A cell as written: a text that a spreadsheet would take as a formula
// (starting with =, +, - or @) gets a leading apostrophe; line breaks and
// tabs become blanks; a cell with a quote is quoted.
QString recordCell(const QString &text);

// The largest record read back; a larger file is set aside as a foreign one.
inline constexpr qint64 kMaxRecordBytes = qint64(64) * 1024 * 1024;

// Where the rows of the record go (the platform's separators).
struct RecordPaths
{
    QString record;  // the record the user opens; empty: no record is kept
    QString pending; // rows the record could not take yet, in the program's local data
    // Rows on their way to the organisation's record folder, one file each, in
    // the program's local data; empty: the rows go nowhere else.
    QString outbox;
};

// What became of the rows handed to addToRecord.
struct RecordResult
{
    bool recorded = false; // the record holds them, and every row pending before them
    bool kept = false;     // recorded, or waiting in the pending file: safe across a restart
    QString problem;       // why they are not in the record yet; empty when they are
};

// Adds entries to the record after the rows still pending, all in their
// order. The entries go first into the pending file, then the pending rows
// into the record, and then the pending file goes. A row the record already
// holds at its end (the program stopped between adding the rows and removing
// the pending file) is not added again. Each file is written beside itself,
// flushed and put in its place in one step, so a crash or a full disk leaves
// it as it was; a file reached through a link is written beside the file the
// link leads to, and the link stays. A record that is not one this program
// wrote, or one larger than kMaxRecordBytes, is renamed aside (its name with
// the time of the first row added) and a new record begun. With no entries,
// only the pending rows are added.
RecordResult addToRecord(Files &files, const RecordPaths &paths,
                         const std::vector<RecordEntry> &entries);

// The organisation's record: each computer's rows in a file of its own in a
// folder on a share, in the record's format with one more column, "Row ID",
// that no other row anywhere holds.
struct SharedRecord
{
    QString outbox;   // the rows on their way (RecordPaths::outbox)
    QString folder;   // the organisation's folder; never made by the program
    QString fileName; // this computer's file in it
};

// Puts entries in the outbox, each as a file of its own, flushed and named
// in one step, its name giving its place after every row waiting (never the
// clock), so that rows are never lost, never half there and never out of
// order; it touches nothing outside the outbox, which it makes when it is not
// there. Returns how many of the entries, from the first, are kept.
std::size_t keepForSharedRecord(Files &files, const QString &outbox,
                                const std::vector<RecordEntry> &entries);

// What sending the outbox's rows to the organisation's record did.
struct SharedRecordResult
{
    int sent = 0;    // rows added to the folder's file (none twice)
    int waiting = 0; // rows still in the outbox
    QString problem; // why they wait; empty when none does
};

// Adds the outbox's rows to this computer's file in the folder, oldest first,
// up to the first that cannot be read now, then removes them from the
// outbox. A row whose Row ID the file holds already (the program stopped
// between adding and removing it) is not added again. The folder must be
// there; another copy of the program on this computer writing the file
// meanwhile (a lock file beside it, file name + ".lock") makes this one send
// nothing. A file in the folder that is not one this program wrote is
// renamed aside, as the record is; a file in the outbox that is no row is
// renamed aside there (".set-aside").
SharedRecordResult sendToSharedRecord(Files &files, const SharedRecord &record);

} // namespace kordavel
