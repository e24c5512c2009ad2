#pragma once

#include "cycle/devicecycle.h"

#include <QObject>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

class QThread;

namespace kordavel {

// Runs the window's requests on the plug/unplug cycle and hands back what
// each one reports, in the order the requests came. Where the work runs is
// the executor's business: the window only sends requests and shows reports.
class CycleExecutor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void requestTick() = 0;
    virtual void requestConfigure(const DeviceSettings &screen) = 0;
    virtual void requestRestart() = 0;
    // Mounting or safely removing a medium failed for reason (empty: no
    // longer); see DeviceCycle::noteMediaProblem.
    virtual void requestMediaProblem(const QString &reason) = 0;
    // The fleet features in use from now on; see DeviceCycle::setFleet.
    virtual void requestFleet(const FleetOptions &options) = 0;
    // Puts the standard on the screen; see DeviceCycle::applyStandard.
    virtual void requestApplyStandard() = 0;

Q_SIGNALS:
    void reported(const kordavel::CycleReport &report);
};

// Runs the requests on a worker thread of its own, so that a device that
// stalls never holds the window. One request runs at a time, in the order
// they came, and the next starts only once the report of the one before has
// been handed on and performed (a message box it shows holds the next request
// back, as it would on one thread). At most one tick waits: a tick requested
// while another still waits is dropped. Reports are handed on on the thread
// the executor was made on, which must run an event loop.
class WorkerExecutor final : public CycleExecutor
{
    Q_OBJECT
public:
    // drives and files must outlive the executor; they are used only on the worker.
    WorkerExecutor(Drives &drives, Files &files, QObject *parent = nullptr);
    // Stops the worker and waits for it for as long as it takes; a program
    // that must not wait calls stop() with a budget first.
    ~WorkerExecutor() override;

    void requestTick() override;
    void requestConfigure(const DeviceSettings &screen) override;
    void requestRestart() override;
    void requestMediaProblem(const QString &reason) override;
    void requestFleet(const FleetOptions &options) override;
    void requestApplyStandard() override;

    // Drops the waiting requests, asks the running one to end (its waits end at
    // once) and waits up to budgetMs milliseconds (-1: without limit) for the
    // worker to finish. False when it is still inside a call into the system
    // that does not return; the executor then must not be destroyed before
    // the process ends. No request is taken after a stop.
    bool stop(int budgetMs);

private:
    struct Request
    {
        CycleRequest kind = CycleRequest::Tick;
        DeviceSettings screen;
        QString reason;
        FleetOptions fleet;
    };

    void post(Request request);
    void work();                // the worker's loop
    Q_INVOKABLE void deliver(); // on the executor's thread
    CycleReport run(const Request &request);

    DeviceCycle m_cycle;
    QThread *m_thread = nullptr;
    // The hand-off between the threads, all under m_mutex: the worker waits
    // on m_wake; a queued call only wakes the executor's thread for a report.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Request> m_pending;
    std::optional<CycleReport> m_done; // the report still to be handed on
    bool m_stopping = false;
};

} // namespace kordavel
