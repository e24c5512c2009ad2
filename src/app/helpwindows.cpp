#include "helpwindows.h"

#include "help/helpwindow.h"

#include <QGuiApplication>
#include <QWindow>

namespace kordavel {

namespace {
// Gap between the main window and a help window opened beside it, in pixels.
constexpr int kHelpWindowGap = 8;
} // namespace

HelpWindows::HelpWindows(QWidget &mainWindow, std::function<void()> returned, QObject *parent)
    : QObject(parent), m_mainWindow(mainWindow), m_returned(std::move(returned))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &HelpWindows::onFocusWindowChanged);
}

HelpWindows::~HelpWindows()
{
    // The main window is going: the focus its help window leaves behind
    // starts nothing.
    disconnect(qGuiApp, nullptr, this, nullptr);
    if (m_help)
        delete m_help.data();
}

HelpWindow *HelpWindows::create(HelpTopic topic)
{
    auto *help = new HelpWindow(topic);
    help->setWindowIcon(m_mainWindow.windowIcon());
    help->move(m_mainWindow.frameGeometry().topRight() + QPoint(kHelpWindowGap, 0));
    return help;
}

void HelpWindows::open(HelpTopic topic)
{
    if (m_help)
        delete m_help.data();
    m_help = create(topic);
    m_help->show();
}

void HelpWindows::bringToFront(HelpTopic topic)
{
    if (!m_help)
        m_help = create(topic);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void HelpWindows::close()
{
    if (m_help)
        m_help->close();
}

void HelpWindows::onFocusWindowChanged(QWindow *window)
{
    if (!window)
        return; // the program lost focus to another one: remember where it was
    if (window == m_mainWindow.windowHandle() && m_lastFocusWasHelp)
        m_returned();
    m_lastFocusWasHelp = m_help && window == m_help->windowHandle();
}

} // namespace kordavel
