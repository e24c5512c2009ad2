#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace kordavel {

namespace {

const QColor kBody(38, 62, 104);
const QColor kBodyLight(66, 100, 158);
const QColor kScreen(210, 232, 214);
const QColor kCable(40, 40, 44);
const QColor kMetal(176, 182, 190);
const QColor kArrow(24, 96, 200);
const QColor kArrowEdge(12, 58, 140);

// The unit itself: a rounded case with a display, a card slot and two keys.
void drawDevice(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kBodyLight);
    g.setColorAt(1, kBody);
    p.setPen(QPen(kBody.darker(140), 2));
    p.setBrush(g);
    p.drawRoundedRect(r, r.width() * 0.12, r.width() * 0.12);

    const QRectF screen(r.left() + r.width() * 0.14, r.top() + r.height() * 0.14, r.width() * 0.72,
                        r.height() * 0.34);
    p.setPen(QPen(QColor(20, 30, 40), 1.5));
    p.setBrush(kScreen);
    p.drawRoundedRect(screen, 3, 3);
    if (r.width() > 60) {
        QFont f(QStringLiteral("Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setBold(true);
        // The largest size at which the name fits the display with a margin.
        // Each size measured loads a font of its own, so the search starts
        // just above the size that the width at one size predicts (widths
        // grow almost in proportion) instead of at the largest.
        const QString name = QStringLiteral("KORDAVEL");
        const int largest = int(screen.height() * 0.4);
        const qreal room = screen.width() * 0.84;
        f.setPixelSize(largest);
        const qreal widthAtLargest = QFontMetricsF(f).horizontalAdvance(name);
        int px = largest;
        if (widthAtLargest >= room && widthAtLargest > 0)
            px = std::clamp(int(largest * room / widthAtLargest) + 2, 7, largest);
        for (; px > 6; --px) {
            f.setPixelSize(px);
            if (QFontMetricsF(f).horizontalAdvance(name) < room)
                break;
        }
        p.setFont(f);
        p.setPen(QColor(30, 70, 40));
        p.drawText(screen, Qt::AlignCenter, QStringLiteral("KORDAVEL"));
    }
    // Keys.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 236, 246));
    const qreal k = r.width() * 0.13;
    p.drawEllipse(QPointF(r.left() + r.width() * 0.33, r.top() + r.height() * 0.64), k / 2, k / 2);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.67, r.top() + r.height() * 0.64), k / 2, k / 2);
    // Card slot.
    p.setBrush(QColor(12, 20, 36));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.82,
                             r.width() * 0.6, r.height() * 0.04),
                      2, 2);
}

// An image of width x height logical pixels for the given scale.
QImage scaledImage(int width, int height, qreal scale, QImage::Format format)
{
    QImage img(qRound(width * scale), qRound(height * scale), format);
    img.setDevicePixelRatio(scale);
    return img;
}

} // namespace

QImage devicePicture(qreal scale)
{
    QImage img = scaledImage(270, 221, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // In the window the instruction text may reach x = 161 of this picture and
    // the arrow display covers x < 148 from y = 144 down: the device stands to
    // the right of the text, and the plug lies right of the arrow display with
    // its tip at the display's edge, level with the arrow.
    QPainterPath cable;
    cable.moveTo(188, 167);
    cable.cubicTo(204, 167, 214, 172, 214, 148);
    p.setPen(QPen(kCable, 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    // Strain relief and plug body.
    p.setPen(Qt::NoPen);
    p.setBrush(kCable);
    p.drawRoundedRect(QRectF(178, 160, 12, 14), 3, 3);
    p.setBrush(QColor(70, 70, 78));
    p.drawRoundedRect(QRectF(163, 157, 19, 20), 3, 3);
    // Metal shell with its two windows, pointing left.
    p.setBrush(kMetal);
    p.setPen(QPen(QColor(120, 126, 134), 1));
    p.drawRect(QRectF(149.5, 159.5, 14, 15));
    p.setBrush(QColor(90, 96, 104));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(152, 163, 4, 3));
    p.drawRect(QRectF(158, 163, 4, 3));

    drawDevice(p, QRectF(167, 6, 95, 144));
    return img;
}

QImage arrowPicture(bool pointsRight, qreal scale)
{
    QImage img = blankPicture(116, 81, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // 100 x 47 arrow at the top-left: a shaft and a head.
    QPainterPath path;
    path.moveTo(1, 14);
    path.lineTo(62, 14);
    path.lineTo(62, 1);
    path.lineTo(99, 23.5);
    path.lineTo(62, 46);
    path.lineTo(62, 33);
    path.lineTo(1, 33);
    path.closeSubpath();
    if (!pointsRight)
        path = QTransform(-1, 0, 0, 1, 100, 0).map(path);
    QLinearGradient g(0, 0, 0, 47);
    g.setColorAt(0, kArrow.lighter(135));
    g.setColorAt(1, kArrow);
    p.setPen(QPen(kArrowEdge, 1.5));
    p.setBrush(g);
    p.drawPath(path);
    return img;
}

QImage blankPicture(int width, int height, qreal scale)
{
    QImage img = scaledImage(width, height, scale, QImage::Format_RGB32);
    img.fill(kBackground);
    return img;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        drawDevice(p, QRectF(size * 0.16, size * 0.04, size * 0.68, size * 0.92));
        p.end();
        icon.addPixmap(QPixmap::fromImage(img));
    }
    return icon;
}

} // namespace kordavel
