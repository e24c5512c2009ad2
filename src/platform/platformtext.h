#pragma once

#include <QCoreApplication>

namespace kordavel {

// The texts of this part, translated in its one context: PlatformText::tr("...").
struct PlatformText
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::platform)
};

} // namespace kordavel
