#pragma once

#include <QDate>

namespace kordavel {

// Today's date as the user's wall clock shows it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

Clock &systemClock();

} // namespace kordavel
