#include "drives_table.h"

#include <QFile>

namespace kordavel {

QList<TableEntry> parseDriveTable(const QByteArray &text)
{
    QList<TableEntry> out;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> f = line.split('\t');
        if (f.size() < 2)
            continue;
        TableEntry e;
        e.root = QString::fromUtf8(f[0]);
        bool ok = false;
        e.kind = f[1].trimmed().toInt(&ok);
        if (!ok || e.kind < 0 || e.kind > 6)
            continue;
        if (!e.root.startsWith(QLatin1Char('/')) || !e.root.endsWith(QLatin1Char('/')))
            continue;
        if (f.size() >= 3)
            e.label = QString::fromUtf8(f[2]);
        out.append(e);
    }
    return out;
}

TableDrives::TableDrives(QString path) : m_path(std::move(path)) {}

std::optional<QList<TableEntry>> TableDrives::load() const
{
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseDriveTable(f.read(1 << 20));
}

std::optional<QStringList> TableDrives::roots()
{
    const auto table = load();
    if (!table)
        return std::nullopt;
    QStringList out;
    for (const TableEntry &e : *table)
        out.append(e.root);
    return out;
}

int TableDrives::kind(const QString &root)
{
    if (const auto table = load())
        for (const TableEntry &e : *table)
            if (e.root == root)
                return e.kind;
    return KindNoRoot;
}

std::optional<QString> TableDrives::label(const QString &root)
{
    if (const auto table = load())
        for (const TableEntry &e : *table)
            if (e.root == root)
                return e.label;
    return std::nullopt;
}

} // namespace kordavel
