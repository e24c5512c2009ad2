#pragma once

#include "platform/drives.h"

#include <QByteArray>
#include <QList>

namespace kordavel {

// One line of a drive table: ROOT TAB KIND [TAB LABEL].
struct TableEntry
{
    QString root;
    int kind = KindUnknown;
    std::optional<QString> label; // nullopt: no LABEL field, the label query fails
};

// Parses drive-table text (UTF-8). Blank lines and lines starting with '#' are
// skipped, as are lines without a valid root (absolute, ending in '/') or kind 0-6.
QList<TableEntry> parseDriveTable(const QByteArray &text);

// Drives listed in a text file, re-read at every query of the drive list so
// that a test or a simulator can plug and unplug a drive by rewriting the file;
// kinds and labels describe the drives of the latest list. A missing or
// unreadable file means the drive list cannot be obtained.
class TableDrives : public Drives
{
public:
    explicit TableDrives(QString path);
    std::optional<QStringList> roots() override;
    int kind(const QString &root) override;
    std::optional<QString> label(const QString &root) override;

private:
    const TableEntry *find(const QString &root);
    QString m_path;
    std::optional<QList<TableEntry>> m_table;
};

} // namespace kordavel
