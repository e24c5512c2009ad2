#include "fleetfiles.h"

#include "platform/files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

namespace kordavel {

FleetFiles::FleetFiles(Files &files, QObject *parent)
    : QObject(parent), m_files(files), m_thread(QThread::create([this] { work(); }))
{
    m_thread->setParent(this);
    m_thread->setObjectName(QStringLiteral("fleetFiles"));
    m_thread->start();
}

FleetFiles::~FleetFiles()
{
    stop(-1);
}

void FleetFiles::loadStandard(const QString &path, QObject *context,
                              std::function<void(const StandardLoad &)> done)
{
    post(context, [this, path, done = std::move(done)]() -> std::function<void()> {
        StandardLoad loaded = loadFleetStandard(m_files, path);
        return [done, loaded = std::move(loaded)] { done(loaded); };
    });
}

void FleetFiles::saveStandard(const QString &path, const FleetStandard &standard, bool replace,
                              QObject *context,
                              std::function<void(StandardSave, const QString &)> done)
{
    post(context,
         [this, path, standard, replace, done = std::move(done)]() -> std::function<void()> {
             if (!replace && m_files.isFile(fileBehind(path)))
                 return [done] { done(StandardSave::Exists, QString()); };
             QString problem;
             const StandardSave saved = saveFleetStandard(m_files, path, standard, &problem)
                                            ? StandardSave::Saved
                                            : StandardSave::Failed;
             return [done, saved, problem] { done(saved, problem); };
         });
}

void FleetFiles::checkKeptStandard(const QString &path, const QString &copyPath, QObject *context,
                                   std::function<void(const KeptStandard &)> done)
{
    post(context, [this, path, copyPath, done = std::move(done)]() -> std::function<void()> {
        KeptStandard kept = keptStandard(path, copyPath);
        return [done, kept = std::move(kept)] { done(kept); };
    });
}

KeptStandard FleetFiles::keptStandard(const QString &path, const QString &copyPath)
{
    KeptStandard kept;
    std::variant<QByteArray, QString> read = readFleetStandardFile(m_files, path);
    if (const QByteArray *data = std::get_if<QByteArray>(&read)) {
        std::variant<FleetStandard, QString> parsed = parseFleetStandard(*data);
        if (FleetStandard *standard = std::get_if<FleetStandard>(&parsed)) {
            kept.standard = std::move(*standard);
            const std::variant<QByteArray, QString> copy = readFleetStandardFile(m_files, copyPath);
            const QByteArray *copied = std::get_if<QByteArray>(&copy);
            // A copy that cannot be kept leaves the file in force all the same;
            // the next check tries again.
            if ((!copied || *copied != *data) && QDir().mkpath(QFileInfo(copyPath).path()))
                replaceInOneStep(m_files, copyPath, *data);
            kept.copyTaken = QFileInfo(copyPath).lastModified();
            return kept;
        }
        kept.problem = std::get<QString>(parsed);
    } else {
        kept.problem = std::get<QString>(read);
    }
    KeptStandard copy = keptCopy(copyPath);
    copy.problem = kept.problem;
    return copy;
}

KeptStandard FleetFiles::keptCopy(const QString &copyPath)
{
    KeptStandard kept;
    std::variant<FleetStandard, QString> copy = loadFleetStandard(m_files, copyPath);
    if (FleetStandard *standard = std::get_if<FleetStandard>(&copy)) {
        kept.standard = std::move(*standard);
        kept.copyTaken = QFileInfo(copyPath).lastModified();
    }
    return kept;
}

void FleetFiles::readKeptCopy(const QString &copyPath, QObject *context,
                              std::function<void(const KeptStandard &)> done)
{
    post(context, [this, copyPath, done = std::move(done)]() -> std::function<void()> {
        KeptStandard kept = keptCopy(copyPath);
        return [done, kept = std::move(kept)] { done(kept); };
    });
}

void FleetFiles::sendRecordRows(const SharedRecord &record, QObject *context,
                                std::function<void(const SharedRecordResult &)> done)
{
    post(context, [this, record, done = std::move(done)]() -> std::function<void()> {
        const SharedRecordResult sent = sendToSharedRecord(m_files, record);
        return [done, sent] { done(sent); };
    });
}

void FleetFiles::post(QObject *context, Job job)
{
    // The answer is given only while its context lives.
    Job guarded = [context = QPointer<QObject>(context), job = std::move(job)] {
        std::function<void()> answer = job();
        return std::function<void()>([context, answer = std::move(answer)] {
            if (context)
                answer();
        });
    };
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        m_jobs.push_back(std::move(guarded));
    }
    m_wake.notify_one();
}

void FleetFiles::work()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        std::function<void()> answer = job();
        {
            const std::lock_guard lock(m_mutex);
            m_answers.push_back(std::move(answer));
        }
        // Only a wake-up: the answer waits in the mailbox. Called by name, as
        // the device's worker does, whose posting the thread checker's
        // suppressions of Qt's internals cover.
        QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
    }
}

void FleetFiles::deliver()
{
    // One at a time: an answer that opens a box turns the event loop, and a
    // wake-up delivered inside it must not pass the answers still waiting here.
    for (;;) {
        std::function<void()> answer;
        {
            const std::lock_guard lock(m_mutex);
            if (m_stopping || m_answers.empty())
                return;
            answer = std::move(m_answers.front());
            m_answers.pop_front();
        }
        answer();
    }
}

bool FleetFiles::stop(int budgetMs)
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_one();
    const bool ended = m_thread->wait(budgetMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                   : QDeadlineTimer(budgetMs));
    if (ended) {
        // Orders what the thread did before what follows, also for a checker
        // that cannot see inside QThread::wait().
        const std::lock_guard lock(m_mutex);
    }
    return ended;
}

} // namespace kordavel
