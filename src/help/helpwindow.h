#pragma once

#include "helptext.h"

#include <QWidget>

namespace kordavel {

// The help window. Its text is chosen once, when it is created; it deletes
// itself when closed.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(HelpTopic topic);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The outer height set at load (title bar and borders included) is the
    // label's: it holds once the window system has decorated the window.
    void applyOuterHeight();
};

} // namespace kordavel
