#pragma once

#include "help/helptext.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class QWindow;

namespace kordavel {

class HelpWindow;

// The help window beside the main window: one at a time, with the main
// window's icon. Focus that comes back to the main window from it starts the
// flow over (the user may have replugged the device while reading).
class HelpWindows : public QObject
{
    Q_OBJECT
public:
    // mainWindow must outlive this; returned runs when focus comes back.
    HelpWindows(QWidget &mainWindow, std::function<void()> returned, QObject *parent = nullptr);
    ~HelpWindows() override;

    // A new help window on topic, in place of one that is open.
    void open(HelpTopic topic);
    // The open help window, or a new one on topic, brought to the front.
    void bringToFront(HelpTopic topic);
    void close();

private:
    HelpWindow *create(HelpTopic topic);
    void onFocusWindowChanged(QWindow *window);

    QWidget &m_mainWindow;
    std::function<void()> m_returned;
    QPointer<HelpWindow> m_help;
    bool m_lastFocusWasHelp = false;
};

} // namespace kordavel
