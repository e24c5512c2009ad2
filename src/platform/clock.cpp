#include "clock.h"

namespace kordavel {

namespace {
class SystemClock : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
};
} // namespace

Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace kordavel
