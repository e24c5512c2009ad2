#include "pause.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace kordavel {

bool Pause::wait(int ms)
{
    // Short sleeps that look at the flag in between: a timed wait on a
    // condition variable would do the same, but the thread sanitizer of
    // Debian's compiler cannot see the lock such a wait takes back.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    while (!m_stopped) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0)
            break;
        std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(kStopReachMs)));
    }
    return !m_stopped;
}

} // namespace kordavel
