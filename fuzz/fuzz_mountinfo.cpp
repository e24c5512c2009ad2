// Fuzzes the mountinfo parser and the escapes of mount points and udev labels:
// whatever the kernel's table holds, each entry is classified without harm.
#include "platform/drives_linux.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    for (const kordavel::MountEntry &m : kordavel::parseMountInfo(text)) {
        if (m.mountPoint.isEmpty())
            std::abort();
        (void)kordavel::classifyMount(m);
    }
    (void)kordavel::unescapeMountField(text);
    (void)kordavel::unescapeUdevLabel(text);
    return 0;
}
