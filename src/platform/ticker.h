#pragma once

#include <QObject>

class QTimer;

namespace kordavel {

// The beat the window polls the drives to: a tick moves the flow on. The
// program's ticks come from a timer; a ticker that is stopped gives none
// until it is started again.
class Ticker : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

Q_SIGNALS:
    void ticked();
};

// Ticks every intervalMs milliseconds (at least 1) while started.
class TimerTicker final : public Ticker
{
    Q_OBJECT
public:
    explicit TimerTicker(int intervalMs, QObject *parent = nullptr);

    void start() override;
    void stop() override;
    bool isActive() const override;

private:
    QTimer *m_timer;
};

} // namespace kordavel
