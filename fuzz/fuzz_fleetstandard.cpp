// Fuzzes the fleet standard's parser: whatever a file holds, a standard it
// accepts writes back to a file that reads as the same standard, and every
// value lies in the range the configuration file takes.
#include "fleet/standard.h"
#include "writer/hexfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 2 * kordavel::kMaxFleetStandardBytes)
        return 0;
    const QByteArray file(reinterpret_cast<const char *>(data), int(size));
    const auto parsed = kordavel::parseFleetStandard(file);
    const auto *standard = std::get_if<kordavel::FleetStandard>(&parsed);
    if (!standard) {
        if (std::get<QString>(parsed).isEmpty())
            __builtin_trap(); // a refusal always says why
        return 0;
    }
    const kordavel::DeviceSettings &s = standard->settings;
    if (s.daysBackCount() < -kordavel::kMaxDaysBack || s.daysBackCount() > kordavel::kMaxDaysBack)
        __builtin_trap();
    const auto dates = s.usedDates();
    if (dates && (!dates->start.isValid() || dates->end < dates->start))
        __builtin_trap();
    const auto again = kordavel::parseFleetStandard(kordavel::fleetStandardFile(*standard));
    const auto *same = std::get_if<kordavel::FleetStandard>(&again);
    if (!same || !(*same == *standard))
        __builtin_trap();
    return 0;
}
