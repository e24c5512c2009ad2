// Fuzzes the simulated device's Intel HEX reader and its take-up.
#include "devicesim.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QByteArray versionC =
        kordavel::sim::makeVersionFile(kordavel::sim::VersionFileFields{});
    static const QByteArray versionA = [] {
        kordavel::sim::VersionFileFields s;
        s.version = 20;
        return kordavel::sim::makeVersionFile(s);
    }();
    if (size > 20000)
        return 0;
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    (void)kordavel::sim::parseIntelHex(text);
    for (const QByteArray &version : {versionC, versionA}) {
        const kordavel::sim::TakeUpResult r = kordavel::sim::applyConfiguration(version, text);
        // A take-up never changes the size of the version file nor its identification.
        if (r.error.isEmpty() &&
            (r.versionFile.size() != version.size() || r.versionFile.left(11) != version.left(11)))
            __builtin_trap();
    }
    return 0;
}
