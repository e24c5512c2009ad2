#pragma once

#include <QCoreApplication>

namespace kordavel {

// The texts of this part, translated in its one context: SettingsText::tr("...").
struct SettingsText
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::settings)
};

} // namespace kordavel
