#include "layout.h"

namespace kordavel {

const ControlGeometry *geometryOf(const QString &name)
{
    for (const ControlGeometry &g : kMainWindowLayout)
        if (name == QLatin1String(g.name))
            return &g;
    return nullptr;
}

QRect pixelRect(const ControlGeometry &g)
{
    return {twipsToPixels(g.left), twipsToPixels(g.top), twipsToPixels(g.width),
            twipsToPixels(g.height)};
}

} // namespace kordavel
