#pragma once

#include <QCoreApplication>

namespace kordavel {

// The texts of this part, translated in its one context: HelpText::tr("...").
struct HelpText
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::help)
};

} // namespace kordavel
