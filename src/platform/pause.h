#pragma once

#include <atomic>

namespace kordavel {

// A pause between two tries at a slow or busy device that a stop request ends
// at once, so that no thread sleeps where closing the program cannot reach it.
class Pause
{
public:
    // Waits ms milliseconds (none for 0 or less). False when a stop has been
    // requested, before or during the wait; the wait then ends within
    // kStopReachMs.
    bool wait(int ms);
    // Ends the running wait and every later one. Callable from any thread.
    void stop() { m_stopped = true; }

    // How soon a stop ends a running wait, in milliseconds.
    static constexpr int kStopReachMs = 5;

private:
    std::atomic<bool> m_stopped = false;
};

} // namespace kordavel
