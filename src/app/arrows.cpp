#include "arrows.h"

#include "pictures.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace kordavel {

namespace {
// A picture is a graphic to assistive technology, and one that lies beyond
// the window's edge (the arrow display below the short window) is not on
// show, as the user cannot see it.
class PictureBoxAccessible : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const QWidget *w = widget();
        const QWidget *top = w->window();
        if (!top->rect().intersects(QRect(w->mapTo(top, QPoint(0, 0)), w->size()))) {
            s.invisible = true;
            s.offscreen = true;
        }
        return s;
    }
};

QAccessibleInterface *pictureBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("kordavel::PictureBox") && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool installed = [] {
        QAccessible::installFactory(pictureBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
