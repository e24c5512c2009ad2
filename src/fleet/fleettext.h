#pragma once

#include <QCoreApplication>

namespace kordavel {

// The texts of this part, translated in its one context: FleetText::tr("...").
struct FleetText
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::fleet)
};

} // namespace kordavel
