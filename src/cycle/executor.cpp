#include "executor.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace kordavel {

InlineExecutor::InlineExecutor(Drives &drives, Files &files, QObject *parent)
    : CycleExecutor(parent), m_cycle(drives, files)
{}

void InlineExecutor::requestTick()
{
    Q_EMIT reported(m_cycle.tick());
}

void InlineExecutor::requestConfigure(const ScreenSettings &screen)
{
    Q_EMIT reported(m_cycle.configure(screen));
}

void InlineExecutor::requestRestart()
{
    Q_EMIT reported(m_cycle.restart());
}

void InlineExecutor::requestMediaProblem(const QString &reason)
{
    Q_EMIT reported(m_cycle.noteMediaProblem(reason));
}

WorkerExecutor::WorkerExecutor(Drives &drives, Files &files, QObject *parent)
    : CycleExecutor(parent), m_cycle(drives, files), m_thread(new QThread(this)),
      m_worker(new QObject)
{
    m_thread->setObjectName(QStringLiteral("deviceWorker"));
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

WorkerExecutor::~WorkerExecutor()
{
    stop(-1);
    delete m_worker; // its thread has finished
}

void WorkerExecutor::requestTick()
{
    post({CycleRequest::Tick, {}, {}});
}

void WorkerExecutor::requestConfigure(const ScreenSettings &screen)
{
    post({CycleRequest::Configure, screen, {}});
}

void WorkerExecutor::requestRestart()
{
    post({CycleRequest::Restart, {}, {}});
}

void WorkerExecutor::requestMediaProblem(const QString &reason)
{
    post({CycleRequest::MediaProblem, {}, reason});
}

void WorkerExecutor::post(Request request)
{
    bool start = false;
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        // A tick that waits already scans as late as this one would.
        if (request.kind == CycleRequest::Tick &&
            std::any_of(m_pending.begin(), m_pending.end(),
                        [](const Request &r) { return r.kind == CycleRequest::Tick; }))
            return;
        m_pending.push_back(std::move(request));
        start = m_phase == Phase::Idle;
        if (start)
            m_phase = Phase::Running;
    }
    if (start)
        wakeWorker();
}

void WorkerExecutor::wakeWorker()
{
    QMetaObject::invokeMethod(
        m_worker, [this] { runNext(); }, Qt::QueuedConnection);
}

void WorkerExecutor::runNext()
{
    Request request;
    {
        const std::lock_guard lock(m_mutex);
        if (m_pending.empty()) { // dropped by a stop
            m_phase = Phase::Idle;
            return;
        }
        request = std::move(m_pending.front());
        m_pending.pop_front();
    }
    CycleReport report = run(request);
    {
        const std::lock_guard lock(m_mutex);
        m_done = std::move(report);
    }
    QMetaObject::invokeMethod(
        this, [this] { deliver(); }, Qt::QueuedConnection);
}

CycleReport WorkerExecutor::run(const Request &request)
{
    switch (request.kind) {
    case CycleRequest::Tick:
        return m_cycle.tick();
    case CycleRequest::Configure:
        return m_cycle.configure(request.screen);
    case CycleRequest::Restart:
        return m_cycle.restart();
    case CycleRequest::MediaProblem:
        return m_cycle.noteMediaProblem(request.reason);
    }
    return {};
}

void WorkerExecutor::deliver()
{
    std::optional<CycleReport> report;
    {
        const std::lock_guard lock(m_mutex);
        report.swap(m_done);
        if (!report || m_stopping)
            return;
        m_phase = Phase::Delivering;
    }
    Q_EMIT reported(*report);
    bool start = false;
    {
        const std::lock_guard lock(m_mutex);
        start = !m_pending.empty() && !m_stopping;
        m_phase = start ? Phase::Running : Phase::Idle;
    }
    if (start)
        wakeWorker();
}

bool WorkerExecutor::stop(int budgetMs)
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_pending.clear();
    }
    m_cycle.requestStop();
    m_thread->quit();
    return m_thread->wait(budgetMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                       : QDeadlineTimer(budgetMs));
}

} // namespace kordavel
