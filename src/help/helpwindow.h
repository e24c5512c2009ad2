#pragma once

#include "helptext.h"

#include <QWidget>

class QLabel;

namespace kordavel {

// The help window. Its text is chosen once, when it is created; it deletes
// itself when closed.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(HelpTopic topic);
    QLabel *textLabel() const { return m_textLabel; }
    // Outer height set at load, in twips (title bar and borders included).
    int outerHeightTwips() const { return m_outerHeightTwips; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyOuterHeight();
    QLabel *m_textLabel;
    int m_outerHeightTwips = 0;
};

} // namespace kordavel
