#pragma once

// Test helpers without any GUI: files on disk, version-file content, a
// simulated device folder, drives held in memory and a fixed clock.

#include "cycle/report.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/files.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <vector>

// Test failures show texts as text.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace kordavel::test {

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDate d) : date(d) {}
    QDate today() const override { return date; }
    QDate date;
};

// Drives held in memory: roots with their kind and label (nullopt: query fails).
// The drives as a list the test changes, on its own thread, while a worker
// may be reading them: every change and every read of the worker's takes the
// lock (the test's own reads need none, it being the only writer).
class FakeDrives : public Drives
{
public:
    struct Entry
    {
        QString root;
        int kind;
        std::optional<QString> label;
    };
    class Entries
    {
    public:
        Entries &operator=(const QList<Entry> &entries)
        {
            const std::lock_guard lock(m_mutex);
            m_list = entries;
            return *this;
        }
        void append(const Entry &e)
        {
            change([&](QList<Entry> &l) { l.append(e); });
        }
        void prepend(const Entry &e)
        {
            change([&](QList<Entry> &l) { l.prepend(e); });
        }
        void removeAt(qsizetype i)
        {
            change([&](QList<Entry> &l) { l.removeAt(i); });
        }
        void removeLast()
        {
            change([](QList<Entry> &l) { l.removeLast(); });
        }
        void clear()
        {
            change([](QList<Entry> &l) { l.clear(); });
        }
        template <typename Pred> void removeIf(Pred pred)
        {
            change([&](QList<Entry> &l) { l.removeIf(pred); });
        }
        qsizetype size() const { return m_list.size(); }
        const Entry &operator[](qsizetype i) const { return m_list[i]; }
        // Reads the list under the lock, for the worker; nothing of it may
        // leave but copies (a shared list would be detached outside the lock).
        template <typename Read> auto read(Read read) const
        {
            const std::lock_guard lock(m_mutex);
            return read(std::as_const(m_list));
        }

    private:
        template <typename Op> void change(Op op)
        {
            const std::lock_guard lock(m_mutex);
            op(m_list);
        }
        mutable std::mutex m_mutex;
        QList<Entry> m_list;
    };

    std::optional<QStringList> roots() override
    {
        if (failList)
            return std::nullopt;
        return entries.read([](const QList<Entry> &list) {
            QStringList r;
            for (const Entry &e : list)
                r.append(e.root);
            return r;
        });
    }
    int kind(const QString &root) override
    {
        return entries.read([&](const QList<Entry> &list) {
            for (const Entry &e : list)
                if (e.root == root)
                    return e.kind;
            return int(KindNoRoot);
        });
    }
    std::optional<QString> label(const QString &root) override
    {
        return entries.read([&](const QList<Entry> &list) -> std::optional<QString> {
            for (const Entry &e : list)
                if (e.root == root)
                    return e.label;
            return std::nullopt;
        });
    }
    QStringList unmountedRemovables() override { return unmounted; }
    Entries entries;
    QStringList unmounted;
    std::atomic<bool> failList = false;
};

// Lets events (and running timers) run until cond holds; false after ms milliseconds.
bool waitUntil(const std::function<bool()> &cond, int ms = 20000);

// Writes a file, creating its folders.
void writeFile(const QString &path, const QByteArray &data);
QByteArray readAll(const QString &path);

// Builds version-file content: the header text (e.g. "TQ000054HEX") padded to
// length with 0xFF, then the given bytes placed at their offsets.
QByteArray versionFile(const QByteArray &header, int length, const QMap<int, QByteArray> &at = {});

// The complete 80-byte layout C example: version 54, 92 days, all TREP codes,
// configuration byte 0xB5, manufacturer codes, dates 2020-01-01 and 2020-02-01 13:00.
QByteArray exampleLayoutC();

// A simulated device folder (KORDAVEL/CARD/ and UPDATES/) under a temp dir.
class DeviceDir
{
public:
    explicit DeviceDir(const QByteArray &version = {});
    QString root() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString &rel) const { return m_dir.path() + QLatin1Char('/') + rel; }
    void setVersionFile(const QByteArray &data);

private:
    QTemporaryDir m_dir;
};

// The system's files, operation for operation: a test double derives from it
// and overrides only what it changes.
class SystemFilesPassThrough : public Files
{
public:
    QString resolve(const QString &root, const QString &rel) override
    {
        return systemFiles().resolve(root, rel);
    }
    bool isDir(const QString &p) override { return systemFiles().isDir(p); }
    bool isFile(const QString &p) override { return systemFiles().isFile(p); }
    ReadResult readFile(const QString &p, qint64 max) override
    {
        return systemFiles().readFile(p, max);
    }
    ReadResult readFromMedium(const QString &p, qint64 max) override
    {
        return systemFiles().readFromMedium(p, max);
    }
    bool setNormal(const QString &p) override { return systemFiles().setNormal(p); }
    FileResult remove(const QString &p) override { return systemFiles().remove(p); }
    std::optional<QStringList> listFiles(const QString &d) override
    {
        return systemFiles().listFiles(d);
    }
    FileResult createDurable(const QString &p, const QByteArray &data) override
    {
        return systemFiles().createDurable(p, data);
    }
    FileResult rename(const QString &a, const QString &b) override
    {
        return systemFiles().rename(a, b);
    }
    FileResult syncDir(const QString &d) override { return systemFiles().syncDir(d); }
};

// The steps of one kind in a cycle's report, in their order.
template <typename Step> std::vector<Step> stepsOf(const CycleReport &report)
{
    std::vector<Step> found;
    for (const ReportStep &step : report.steps)
        if (const Step *s = std::get_if<Step>(&step))
            found.push_back(*s);
    return found;
}
inline std::vector<FlowAction> actionsOf(const CycleReport &report)
{
    return stepsOf<FlowAction>(report);
}
inline bool has(const CycleReport &report, FlowAction action)
{
    const std::vector<FlowAction> actions = actionsOf(report);
    return std::find(actions.begin(), actions.end(), action) != actions.end();
}
// Message boxes, and rows added to the drive log, all of the report's.
// The rows of a Configure record (UTF-16LE, tab-separated), its heading first.
QList<QStringList> recordRows(const QString &path);
QStringList messagesOf(const CycleReport &report);
QStringList addedLogRowsOf(const CycleReport &report);
// The last step of its kind, if the report has one.
template <typename Step> std::optional<Step> lastOf(const CycleReport &report)
{
    const std::vector<Step> found = stepsOf<Step>(report);
    return found.empty() ? std::nullopt : std::optional<Step>(found.back());
}

} // namespace kordavel::test
