#pragma once

#include "cycle/executor.h"

namespace kordavel {

// Runs each request at once, on the caller's thread: the report has been
// handed on when the request returns.
class InlineExecutor final : public CycleExecutor
{
    Q_OBJECT
public:
    // drives and files must outlive the executor.
    InlineExecutor(Drives &drives, Files &files, QObject *parent = nullptr);

    void requestTick() override;
    void requestConfigure(const DeviceSettings &screen) override;
    void requestRestart() override;
    void requestMediaProblem(const QString &reason) override;
    void requestFleet(const FleetOptions &options) override;
    void requestApplyStandard() override;

    const DeviceCycle &cycle() const { return m_cycle; }
    DeviceCycle &cycle() { return m_cycle; }

private:
    DeviceCycle m_cycle;
};

} // namespace kordavel
