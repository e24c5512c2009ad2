#include "inline_executor.h"

namespace kordavel {

InlineExecutor::InlineExecutor(Drives &drives, Files &files, QObject *parent)
    : CycleExecutor(parent), m_cycle(drives, files)
{}

void InlineExecutor::requestTick()
{
    Q_EMIT reported(m_cycle.tick());
}

void InlineExecutor::requestConfigure(const DeviceSettings &screen)
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

void InlineExecutor::requestFleet(const FleetOptions &options)
{
    Q_EMIT reported(m_cycle.setFleet(options));
}

void InlineExecutor::requestApplyStandard()
{
    Q_EMIT reported(m_cycle.applyStandard());
}

} // namespace kordavel
