#include "frminfo.h"

#include "helptext.h"
#include "platform/look.h"
#include "platform/units.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

namespace kordavel {

namespace {
constexpr int kClientWidthTwips = 5730;
constexpr int kLabelLeft = 120, kLabelTop = 120, kLabelWidth = 5535, kLabelHeight = 7455;
} // namespace

frmInfo::frmInfo(const QString &mainMessage)
{
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Kordavel Configuration Help"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);

    m_lblInfo = new QLabel(this);
    m_lblInfo->setObjectName(QStringLiteral("lblInfo"));
    QFont f = designFont(9.75);
    f.setWeight(QFont::Normal);
    m_lblInfo->setFont(f);
    m_lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblInfo->setWordWrap(true);
    m_lblInfo->setTextFormat(Qt::PlainText);
    m_lblInfo->setGeometry(twipsToPixels(kLabelLeft), twipsToPixels(kLabelTop),
                           twipsToPixels(kLabelWidth), twipsToPixels(kLabelHeight));
    // Load step: the text depends on the main window's status at this moment.
    m_lblInfo->setText(helpTextFor(mainMessage));
    m_outerHeightTwips = kLabelHeight;
    applyOuterHeight();
}

void frmInfo::applyOuterHeight()
{
    int decoration = frameGeometry().height() - geometry().height();
    if (decoration <= 0)
        decoration = kDefaultDecoration.height();
    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(m_outerHeightTwips) - decoration);
}

void frmInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    applyOuterHeight();
}

} // namespace kordavel
