#include "program.h"

#include <QCoreApplication>

namespace kordavel {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

ProgramVersion programVersion()
{
    return {KORDAVEL_VERSION_MAJOR, KORDAVEL_VERSION_MINOR, KORDAVEL_VERSION_REVISION};
}

} // namespace kordavel
