#include "executor.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace kordavel {

WorkerExecutor::WorkerExecutor(Drives &drives, Files &files, QObject *parent)
    : CycleExecutor(parent), m_cycle(drives, files), m_thread(QThread::create([this] { work(); }))
{
    m_thread->setParent(this);
    m_thread->setObjectName(QStringLiteral("deviceWorker"));
    m_thread->start();
}

WorkerExecutor::~WorkerExecutor()
{
    stop(-1);
}

void WorkerExecutor::requestTick()
{
    post({CycleRequest::Tick, {}, {}, {}});
}

void WorkerExecutor::requestConfigure(const DeviceSettings &screen)
{
    post({CycleRequest::Configure, screen, {}, {}});
}

void WorkerExecutor::requestRestart()
{
    post({CycleRequest::Restart, {}, {}, {}});
}

void WorkerExecutor::requestMediaProblem(const QString &reason)
{
    post({CycleRequest::MediaProblem, {}, reason, {}});
}

void WorkerExecutor::requestFleet(const FleetOptions &options)
{
    post({CycleRequest::Fleet, {}, {}, options});
}

void WorkerExecutor::requestApplyStandard()
{
    post({CycleRequest::ApplyStandard, {}, {}, {}});
}

void WorkerExecutor::post(Request request)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        // At most one tick waits; the device is scanned again soon enough.
        if (request.kind == CycleRequest::Tick &&
            std::any_of(m_pending.begin(), m_pending.end(),
                        [](const Request &r) { return r.kind == CycleRequest::Tick; }))
            return;
        m_pending.push_back(std::move(request));
    }
    m_wake.notify_one();
}

void WorkerExecutor::work()
{
    for (;;) {
        Request request;
        {
            std::unique_lock lock(m_mutex);
            // The next request waits until the report before it has been performed.
            m_wake.wait(lock, [this] { return m_stopping || (!m_done && !m_pending.empty()); });
            if (m_stopping)
                return;
            request = std::move(m_pending.front());
            m_pending.pop_front();
        }
        CycleReport report = run(request);
        {
            const std::lock_guard lock(m_mutex);
            m_done = std::move(report);
        }
        // Only a wake-up: the report waits in the mailbox. By the slot's
        // name: the thread checker's suppressions name the toolkit's frames
        // that post such a call. A signal's queued call is posted from frames
        // that also run our own slots, which no suppression may cover.
        QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
    }
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
    case CycleRequest::Fleet:
        return m_cycle.setFleet(request.fleet);
    case CycleRequest::ApplyStandard:
        return m_cycle.applyStandard();
    }
    return {};
}

void WorkerExecutor::deliver()
{
    std::optional<CycleReport> report;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_done || m_stopping)
            return;
        report = m_done;
    }
    Q_EMIT reported(*report);
    {
        const std::lock_guard lock(m_mutex);
        m_done.reset();
    }
    m_wake.notify_one();
}

bool WorkerExecutor::stop(int budgetMs)
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_pending.clear();
    }
    m_wake.notify_one();
    m_cycle.requestStop();
    const bool ended = m_thread->wait(budgetMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                   : QDeadlineTimer(budgetMs));
    if (ended) {
        // The worker's last step was under the mutex; taking it here orders
        // everything the worker did before what follows, also for a checker
        // that cannot see inside QThread::wait().
        const std::lock_guard lock(m_mutex);
    }
    return ended;
}

} // namespace kordavel
