#pragma once

#include <QCoreApplication>

namespace kordavel {

// The texts of this part, translated in its one context: CycleText::tr("...").
struct CycleText
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::cycle)
};

} // namespace kordavel
