#include "look.h"

namespace kordavel {

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

} // namespace kordavel
