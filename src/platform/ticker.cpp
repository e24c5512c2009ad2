#include "ticker.h"

#include <QTimer>

namespace kordavel {

TimerTicker::TimerTicker(int intervalMs, QObject *parent)
    : Ticker(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(qMax(1, intervalMs));
    connect(m_timer, &QTimer::timeout, this, &Ticker::ticked);
}

void TimerTicker::start()
{
    m_timer->start();
}

void TimerTicker::stop()
{
    m_timer->stop();
}

bool TimerTicker::isActive() const
{
    return m_timer->isActive();
}

} // namespace kordavel
