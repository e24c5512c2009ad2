// Fuzzes the version-file parser and the loading decisions built on it.
#include "settings/devicedate.h"
#include "settings/versionfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 40000)
        return 0;
    const QByteArray file(reinterpret_cast<const char *>(data), int(size));
    const qint32 previous = size > 0 ? data[0] : 0;
    const kordavel::VersionAssessment a = kordavel::assessVersionFile(file, previous);
    if (a.verdict != kordavel::VersionVerdict::Accepted)
        return 0;
    // The loading steps in their order, over the same bytes the window would use.
    (void)kordavel::periodText(file);
    const kordavel::ConfigurationByteView v = kordavel::decodeConfigurationByte(a.configByte);
    if (int(v.fileNameFormat) < 0 || int(v.fileNameFormat) >= kordavel::kFileNameFormatCount)
        __builtin_trap();
    bool previousWasEnd = false;
    const auto list = [&](int first, int last) {
        for (int i = first; i <= last && i < file.size(); ++i) {
            const int code = quint8(file.at(i));
            const auto box = kordavel::boxForDownloadCode(code);
            // A code never checks the overview, the save-date or the dates box.
            if (box && (*box == kordavel::DownloadBox::Overview ||
                        *box == kordavel::DownloadBox::SaveCardDate ||
                        *box == kordavel::DownloadBox::UseDates))
                __builtin_trap();
            const bool end = code == kordavel::DownloadCode::GroupEnd && previousWasEnd;
            previousWasEnd = code == kordavel::DownloadCode::GroupEnd;
            if (end)
                break;
        }
    };
    list(kordavel::VersionOffset::FirstCodeList, a.layout.firstListEnd);
    if (file.size() > kordavel::VersionOffset::SecondCodeList + 1) {
        list(kordavel::VersionOffset::SecondCodeList, int(file.size()) - 1);
        const kordavel::DatesBlock d = kordavel::datesOf(file);
        if (d.useDates) {
            (void)kordavel::deviceDateTime(d.start);
            (void)kordavel::deviceDateTime(d.end);
        }
    }
    return 0;
}
