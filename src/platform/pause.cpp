#include "pause.h"

#include <chrono>

namespace kordavel {

bool Pause::wait(int ms)
{
    std::unique_lock lock(m_mutex);
    if (ms > 0)
        m_wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stopped; });
    return !m_stopped;
}

void Pause::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_wake.notify_all();
}

bool Pause::stopped() const
{
    const std::lock_guard lock(m_mutex);
    return m_stopped;
}

} // namespace kordavel
