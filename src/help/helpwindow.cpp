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

    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("helpTextLabel"));
    QFont f = designFont(kSmallPoints);
    f.setWeight(QFont::Normal);
    label->setFont(f);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twipsToPixels(kLabelLeft), twipsToPixels(kLabelTop),
                       twipsToPixels(kLabelWidth), twipsToPixels(kLabelHeight));
    label->setText(helpText(topic));
    applyOuterHeight();
}

void HelpWindow::applyOuterHeight()
{
    resize(twipsToPixels(kClientWidthTwips), clientHeightForOuterTwips(*this, kLabelHeight));
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
