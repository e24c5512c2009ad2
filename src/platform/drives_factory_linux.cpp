#include "drives_linux.h"
#include "drives_table.h"

#include <QtGlobal>

namespace kordavel {

std::unique_ptr<Drives> makeSystemDrives()
{
    const QString table = qEnvironmentVariable("KORDAVEL_DRIVE_TABLE");
    if (!table.isEmpty())
        return std::make_unique<TableDrives>(table);
    return std::make_unique<LinuxDrives>();
}

} // namespace kordavel
