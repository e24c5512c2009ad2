#pragma once

#include <QCoreApplication>

namespace kordavel {

// The texts of this part, translated in its one context: AppText::tr("...").
struct AppText
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::app)
};

} // namespace kordavel
