#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace kordavel {

// Check box and option button whose caption wraps at the control's width, as
// the original controls' captions do; text() stays the caption as given.
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

} // namespace kordavel
