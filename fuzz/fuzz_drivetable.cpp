// Fuzzes the drive-table parser: every entry it gives back must be one the
// table format allows.
#include "drives_table.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    for (const kordavel::TableEntry &e : kordavel::parseDriveTable(text)) {
        if (e.kind < kordavel::KindUnknown || e.kind > kordavel::KindRamDisk || e.root.isEmpty())
            std::abort();
        if (e.root.contains(QLatin1Char('\t')) || e.root.contains(QLatin1Char('\n')))
            std::abort();
    }
    return 0;
}
