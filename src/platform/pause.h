#pragma once

#include <condition_variable>
#include <mutex>

namespace kordavel {

// A pause between two tries at a slow or busy device that a stop request ends
// at once, so that no thread sleeps where closing the program cannot reach it.
class Pause
{
public:
    // Waits ms milliseconds (none for 0 or less). False when a stop has been
    // requested, before or during the wait; the wait then ends at once.
    bool wait(int ms);
    // Ends the running wait and every later one. Callable from any thread.
    void stop();
    bool stopped() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopped = false;
};

} // namespace kordavel
