#pragma once

#include "cycle/devicecycle.h"

#include <QObject>

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
    virtual void requestConfigure(const ScreenSettings &screen) = 0;
    virtual void requestRestart() = 0;
    // Mounting or safely removing a medium failed for reason (empty: no
    // longer); see DeviceCycle::noteMediaProblem.
    virtual void requestMediaProblem(const QString &reason) = 0;

Q_SIGNALS:
    void reported(const kordavel::CycleReport &report);
};

// Runs each request at once, on the caller's thread: the report has been
// handed on when the request returns.
class InlineExecutor final : public CycleExecutor
{
    Q_OBJECT
public:
    // drives and files must outlive the executor.
    InlineExecutor(Drives &drives, Files &files, QObject *parent = nullptr);

    void requestTick() override;
    void requestConfigure(const ScreenSettings &screen) override;
    void requestRestart() override;
    void requestMediaProblem(const QString &reason) override;

    const DeviceCycle &cycle() const { return m_cycle; }

private:
    DeviceCycle m_cycle;
};

} // namespace kordavel
