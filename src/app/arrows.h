#pragma once

#include <QImage>
#include <QWidget>

namespace kordavel {

// A picture box that keeps its image: what is drawn into it persists across
// repaints and while it is hidden, and shows when it is repainted or shown.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    const QImage &image() const { return m_image; }
    void setImage(const QImage &image);
    // Copies the whole of source onto this picture with its top-left at (x, y)
    // in logical pixels, replacing pixels one for one (both drawn for the same
    // scale); what falls outside is cut off.
    void copyFrom(const QImage &source, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_image;
};

// Draws the moving arrow: every call blanks the display and draws the arrow
// kArrowStepPixels from the left edge or at the left edge, alternately,
// starting away from it; called on every tick, the arrow seems to move.
inline constexpr int kArrowStepPixels = 32;
class ArrowAnimator
{
public:
    void showArrow(PictureBox &display, const PictureBox &blank, const PictureBox &arrow);
    // True when the next arrow is drawn at the left edge.
    bool atLeftEdgeNext() const { return m_atLeftEdgeNext; }

private:
    bool m_atLeftEdgeNext = false;
};

} // namespace kordavel
