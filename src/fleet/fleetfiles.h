#pragma once

#include "fleet/record.h"
#include "fleet/standard.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <variant>

class QThread;

namespace kordavel {

class Files;

// What loading a standard file gave: the standard, or why not in one sentence.
using StandardLoad = std::variant<FleetStandard, QString>;

// How saving a standard file ended.
enum class StandardSave {
    Saved,  // the file holds the standard
    Exists, // a file is there and was not to be replaced: nothing was written
    Failed, // nothing was written, for the reason given
};

// What a check of a standard kept where others change it (a share) found.
struct KeptStandard
{
    // The standard in force: the file's, else the last good copy's; nullopt
    // when neither could be used.
    std::optional<FleetStandard> standard;
    // Why the file itself is not in force (it is away, missing or refused),
    // in one sentence; empty when it is.
    QString problem;
    // When the copy was taken from the file (its last change); invalid when
    // there is none.
    QDateTime copyTaken;
};

// The fleet's own files are read and written on a thread of their own,
// neither the window's nor the device's: a standard on a share that is away,
// or on a stick that stalls, holds neither the window nor a poll tick. The
// requests run one at a time in the order they came; each answer goes to
// the function given with it, on the thread this object was made on (which
// must run an event loop), and is dropped when the function's context object
// has gone by then.
class FleetFiles : public QObject
{
    Q_OBJECT
public:
    // files must outlive this object; it is used on its thread only.
    explicit FleetFiles(Files &files, QObject *parent = nullptr);
    // Waits for the thread for as long as it takes; a program that must not
    // wait calls stop() with a budget first.
    ~FleetFiles() override;

    // Reads and checks the standard file at path.
    void loadStandard(const QString &path, QObject *context,
                      std::function<void(const StandardLoad &)> done);
    // Writes standard to path in one step; a file already there is replaced
    // only when replace is set (Exists otherwise).
    void saveStandard(const QString &path, const FleetStandard &standard, bool replace,
                      QObject *context, std::function<void(StandardSave, const QString &)> done);

    // Reads the standard file at path (a share's allowed) afresh, as another
    // computer may have changed it: when it holds a good standard that differs
    // from the copy at copyPath (a local file of the program's), the copy is
    // replaced by it; when it cannot be used, the copy is. Content is compared
    // every time: an edit keeps neither the time nor the size apart.
    void checkKeptStandard(const QString &path, const QString &copyPath, QObject *context,
                           std::function<void(const KeptStandard &)> done);
    // Reads only the copy at copyPath, as checkKeptStandard would use it.
    void readKeptCopy(const QString &copyPath, QObject *context,
                      std::function<void(const KeptStandard &)> done);

    // Sends the rows waiting in the outbox to the organisation's record
    // folder (see sendToSharedRecord).
    void sendRecordRows(const SharedRecord &record, QObject *context,
                        std::function<void(const SharedRecordResult &)> done);

    // Drops the waiting requests and waits up to budgetMs milliseconds (-1:
    // without limit) for the running one. False when it is still inside a
    // call the system holds; this object then must not be destroyed before
    // the process ends. No request is taken after a stop.
    bool stop(int budgetMs);

private:
    // Runs on the thread; what it returns runs on this object's thread.
    using Job = std::function<std::function<void()>()>;
    void post(QObject *context, Job job);
    KeptStandard keptStandard(const QString &path, const QString &copyPath);
    KeptStandard keptCopy(const QString &copyPath);
    void work();
    Q_INVOKABLE void deliver(); // on this object's thread

    Files &m_files;
    QThread *m_thread = nullptr;
    // The hand-off between the threads, all under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    std::deque<std::function<void()>> m_answers;
    bool m_stopping = false;
};

} // namespace kordavel
