#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace kordavel {

struct MainWindowControls;

// The main window's size, given as the outer size in twips the window is
// designed for (title bar and borders included): narrow or wide, short or
// tall, with the fleet strip below when it is shown. What lies wholly
// outside the client area (the parked page, the service controls beyond the
// narrow window's edge, the device below the short window) is hidden, so that
// neither Tab nor a screen reader reaches what cannot be seen.
class WindowSize
{
public:
    // window and controls must outlive this.
    WindowSize(QWidget &window, const MainWindowControls &controls, bool wide);

    void setHeightTwips(int twips);
    void setStripShown(bool shown);
    // Sizes the window again, as after the window system has framed it.
    void apply();
    // Hides again what the pages' moves took out of view, and shows again
    // what came back into it (only what was hidden here).
    void hideWhatLiesOutside();

private:
    QWidget &m_window;
    const MainWindowControls &m_controls;
    int m_widthTwips = 0;
    int m_heightTwips = 0;
    bool m_stripShown = false;
    QRect m_inView;               // the client area without the fleet strip
    QList<QWidget *> m_outOfView; // hidden by hideWhatLiesOutside
};

} // namespace kordavel
