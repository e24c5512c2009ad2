#include "arrows.h"

#include "pictures.h"

#include <QPainter>

namespace kordavel {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setImage(const QImage &image)
{
    m_image = image.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureBox::copyFrom(const QImage &source, int x, int y)
{
    QPainter p(&m_image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, source);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_image.size() != size()) {
        QImage grown = blankPicture(width(), height(), m_image.devicePixelRatio());
        QPainter p(&grown);
        p.drawImage(0, 0, m_image);
        p.end();
        m_image = grown;
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void ArrowAnimator::showArrow(PictureBox &display, const PictureBox &blank, const PictureBox &arrow)
{
    display.copyFrom(blank.image(), 0, 0);
    display.repaint();
    display.copyFrom(arrow.image(), m_atLeftEdgeNext ? 0 : kArrowStepPixels, 0);
    display.repaint();
    m_atLeftEdgeNext = !m_atLeftEdgeNext;
}

} // namespace kordavel
