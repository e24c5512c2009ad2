#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

class QTimer;

class QGroupBox;

namespace kordavel {

// Gives a frame its caption on the frame line and an interior in the window's
// own colour. Windows' own styles draw frames so; on other styles (Fusion puts
// the caption above the line and shades the interior) the frame gets Qt's
// classic Windows style. The frame's children keep the program's style.
void useDesignFrameLook(QGroupBox *frame);

// Check box and option button whose caption wraps at the control's width, as
// the design's controls' captions do; text() stays the caption as given.
class WrapCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class WrapRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A text that a screen reader reads out when it changes, without the user
// moving to it: it has the status role and its text is its name. What it
// shows once the program is idle again is announced, if it is on show, not
// empty and not what was announced last; so a text set and replaced within
// one report, one set while hidden and a tick that changes nothing announce
// nothing.
class StatusText : public QLabel
{
    Q_OBJECT
public:
    explicit StatusText(QWidget *parent);
    // Hides QLabel::setText, which would announce every change at once.
    void setText(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void announceSoon();
    void announce();
    QString m_announced;
    QTimer *m_announceTimer = nullptr; // made at the first change
};

} // namespace kordavel
