#include "coresupport.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace kordavel::test {

bool waitUntil(const std::function<bool()> &cond, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(data);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray versionFile(const QByteArray &header, int length, const QMap<int, QByteArray> &at)
{
    QByteArray d = header.left(length);
    d.append(QByteArray(length - d.size(), char(0xFF)));
    for (auto it = at.begin(); it != at.end(); ++it)
        d.replace(it.key(), it.value().size(), it.value());
    return d;
}

QByteArray exampleLayoutC()
{
    return versionFile("TQ000054HEX", 80,
                       {{11, QByteArray::fromHex("004A7900")},
                        {16, QByteArray::fromHex("010203040506")},
                        {31, QByteArray::fromHex("B5")},
                        {32, QByteArray::fromHex("1213141516 19FFFF")},
                        {71, QByteArray::fromHex("55")},
                        {72, QByteArray::fromHex("5E0BE100")},
                        {76, QByteArray::fromHex("5E357650")}});
}

DeviceDir::DeviceDir(const QByteArray &version)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("KORDAVEL/CARD"));
    QDir(m_dir.path()).mkpath(QStringLiteral("UPDATES"));
    if (!version.isEmpty())
        setVersionFile(version);
}

void DeviceDir::setVersionFile(const QByteArray &data)
{
    writeFile(path(QStringLiteral("UPDATES/kordvers.ion")), data);
}

QList<QStringList> recordRows(const QString &path)
{
    const QByteArray bytes = readAll(path);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE")) << "UTF-16LE with its byte-order mark";
    const QString text(reinterpret_cast<const QChar *>(bytes.constData() + 2),
                       (bytes.size() - 2) / 2);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    QList<QStringList> rows;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

QStringList messagesOf(const CycleReport &report)
{
    QStringList texts;
    for (const show::Message &m : stepsOf<show::Message>(report))
        texts.append(m.text);
    return texts;
}

QStringList addedLogRowsOf(const CycleReport &report)
{
    QStringList rows;
    for (const show::LogRows &r : stepsOf<show::LogRows>(report))
        rows.append(r.rows);
    return rows;
}

} // namespace kordavel::test
