#include "drives_table.h"

#include <QFile>

namespace kordavel {

namespace {
// "/media/x/" or, on Windows, "C:\\x\\" or "C:/x/".
bool isAbsoluteRoot(const QString &root)
{
    const bool unixRoot = root.startsWith(QLatin1Char('/'));
    const bool driveRoot = root.size() >= 3 && root[0].isLetter() && root[1] == QLatin1Char(':') &&
                           (root[2] == QLatin1Char('/') || root[2] == QLatin1Char('\\'));
    return (unixRoot || driveRoot) &&
           (root.endsWith(QLatin1Char('/')) || root.endsWith(QLatin1Char('\\')));
}
} // namespace

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
        if (!isAbsoluteRoot(e.root))
            continue;
        if (f.size() >= 3)
            e.label = QString::fromUtf8(f[2]);
        out.append(e);
    }
    return out;
}

TableDrives::TableDrives(QString path) : m_path(std::move(path)) {}

std::optional<QStringList> TableDrives::roots()
{
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly)) {
        m_table.reset();
        return std::nullopt;
    }
    m_table = parseDriveTable(f.read(1 << 20));
    QStringList out;
    out.reserve(m_table->size());
    for (const TableEntry &e : *m_table)
        out.append(e.root);
    return out;
}

const TableEntry *TableDrives::find(const QString &root)
{
    if (!m_table)
        roots();
    if (m_table)
        for (const TableEntry &e : *m_table)
            if (e.root == root)
                return &e;
    return nullptr;
}

int TableDrives::kind(const QString &root)
{
    const TableEntry *e = find(root);
    return e ? e->kind : KindNoRoot;
}

std::optional<QString> TableDrives::label(const QString &root)
{
    const TableEntry *e = find(root);
    return e ? e->label : std::nullopt;
}

} // namespace kordavel
