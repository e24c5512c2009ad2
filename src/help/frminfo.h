#pragma once

#include <QWidget>

class QLabel;

namespace kordavel {

// The help window. Its text is chosen once, when it is created, from the main
// window's status text; it deletes itself when closed.
class frmInfo : public QWidget
{
    Q_OBJECT
public:
    // mainMessage: the main window's lblMessage text at load time.
    explicit frmInfo(const QString &mainMessage);
    QLabel *lblInfo() const { return m_lblInfo; }
    // Outer height set at load, in twips (title bar and borders included).
    int outerHeightTwips() const { return m_outerHeightTwips; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyOuterHeight();
    QLabel *m_lblInfo;
    int m_outerHeightTwips = 0;
};

} // namespace kordavel
