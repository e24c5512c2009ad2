#include "windowsize.h"

#include "arrows.h"
#include "layout.h"
#include "look/look.h"
#include "widgets.h"
#include "windowcontrols.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace kordavel {

WindowSize::WindowSize(QWidget &window, const MainWindowControls &controls, bool wide)
    : m_window(window), m_controls(controls),
      m_widthTwips(wide ? kWideClientWidthTwips + kDefaultDecoration.width() * kTwipsPerPixel
                        : kNarrowWidthTwips)
{}

void WindowSize::setHeightTwips(int twips)
{
    m_heightTwips = twips;
    apply();
}

void WindowSize::setStripShown(bool shown)
{
    m_stripShown = shown;
    apply();
}

void WindowSize::apply()
{
    // Sizes are given for the outer window; the client area is what remains
    // after the window system's title bar and borders.
    QSize client = clientSizeForOuterTwips(m_window, m_widthTwips, m_heightTwips);
    // What the controls can be seen in: the strip below covers whatever of
    // them would reach into it.
    m_inView = QRect(QPoint(0, 0), client);
    // The fleet strip lies below everything else, across the whole window.
    if (m_stripShown) {
        const int strip = twipsToPixels(kFleetStripTwips);
        m_controls.fleetReport->setGeometry(0, client.height(), client.width(), strip);
        client.rheight() += strip;
    }
    m_window.setFixedSize(client);
    hideWhatLiesOutside();
    // The arrow display (which the flow shows and hides) tells assistive
    // technology itself whether it lies in view; that may have changed.
    QAccessible::State inViewOrNot;
    inViewOrNot.invisible = true;
    inViewOrNot.offscreen = true;
    QAccessibleStateChangeEvent changed(m_controls.arrowDisplay, inViewOrNot);
    QAccessible::updateAccessibility(&changed);
}

void WindowSize::hideWhatLiesOutside()
{
    // Only controls that nothing else shows or hides: the others are shown
    // by the flow only where the window reaches them.
    const MainWindowControls &c = m_controls;
    for (QWidget *w : std::initializer_list<QWidget *>{
             c.modelFrame, c.fileNamePage, c.downloadPage, c.driveLog, c.stateCaptionLabel,
             c.stateLabel, c.devicePicture, c.instructionLabel}) {
        const bool outside = !m_inView.intersects(w->geometry());
        const qsizetype hiddenHere = m_outOfView.indexOf(w);
        if (outside && hiddenHere < 0) {
            w->setVisible(false);
            m_outOfView.append(w);
        } else if (!outside && hiddenHere >= 0) {
            m_outOfView.removeAt(hiddenHere);
            w->setVisible(true);
        }
    }
}

} // namespace kordavel
