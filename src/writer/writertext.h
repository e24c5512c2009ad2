#pragma once

#include <QCoreApplication>

namespace kordavel {

// The texts of this part, translated in its one context: WriterText::tr("...").
struct WriterText
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::writer)
};

} // namespace kordavel
