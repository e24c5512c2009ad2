#include "look.h"

#include "units.h"

#include <QWidget>

namespace kordavel {

namespace {
// Nothing (or less) before the window is shown, or without a window system.
QSize reportedDecoration(const QWidget &window)
{
    return window.frameGeometry().size() - window.geometry().size();
}
} // namespace

QStringList designFontFamilies()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};
}

QFont designFont(qreal points)
{
    QFont f;
    f.setFamilies(designFontFamilies());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    return f;
}

QSize clientSizeForOuterTwips(const QWidget &window, int outerWidthTwips, int outerHeightTwips)
{
    QSize decoration = reportedDecoration(window);
    if (decoration.width() <= 0 || decoration.height() <= 0)
        decoration = kDefaultDecoration;
    return QSize(twipsToPixels(outerWidthTwips), twipsToPixels(outerHeightTwips)) - decoration;
}

int clientHeightForOuterTwips(const QWidget &window, int outerHeightTwips)
{
    int decoration = reportedDecoration(window).height();
    if (decoration <= 0)
        decoration = kDefaultDecoration.height();
    return twipsToPixels(outerHeightTwips) - decoration;
}

} // namespace kordavel
