#include "helpwindow.h"

#include "helptext.h"
#include "helptr.h"
#include "look/look.h"
#include "look/units.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>

namespace kordavel {

namespace {
constexpr int kClientWidthTwips = 5730;
constexpr int kLabelLeft = 120, kLabelTop = 120, kLabelWidth = 5535, kLabelHeight = 7455;
} // namespace

HelpWindow::HelpWindow(HelpTopic topic)
{
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(HelpText::tr("Kordavel Configuration Help"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);

    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName(QStringLiteral("helpTextLabel"));
    QFont f = designFont(kSmallPoints);
    f.setWeight(QFont::Normal);
    m_textLabel->setFont(f);
    m_textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_textLabel->setWordWrap(true);
    m_textLabel->setTextFormat(Qt::PlainText);
    m_textLabel->setGeometry(twipsToPixels(kLabelLeft), twipsToPixels(kLabelTop),
                             twipsToPixels(kLabelWidth), twipsToPixels(kLabelHeight));
    m_textLabel->setText(helpText(topic));
    m_outerHeightTwips = kLabelHeight;
    applyOuterHeight();
}

void HelpWindow::applyOuterHeight()
{
    resize(twipsToPixels(kClientWidthTwips), clientHeightForOuterTwips(*this, m_outerHeightTwips));
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    // A window with nothing to choose closes on Escape, as a dialog would.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    applyOuterHeight();
}

} // namespace kordavel
