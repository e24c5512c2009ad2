#pragma once

#include <QObject>
#include <QTimer>

namespace kordavel {

// Calls call on owner's thread once, msec milliseconds from now (0: once the
// event loop turns), unless owner is gone by then. A timer of owner's own,
// which the thread checker and the static analyser follow.
template <typename Call> void callLater(QObject *owner, int msec, Call call)
{
    auto *timer = new QTimer(owner);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, owner, call);
    QObject::connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    timer->start(msec);
}

} // namespace kordavel
