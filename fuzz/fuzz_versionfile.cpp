// Fuzzes the version-file parser and the loading decisions built on it.
#include "settings/devicedate.h"
#include "settings/versionfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const kordavel::DateConstants dc = kordavel::computeDateConstants();
    if (size > 40000)
        return 0;
    const QByteArray file(reinterpret_cast<const char *>(data), int(size));
    const qint32 previous = size > 0 ? data[0] : 0;
    const kordavel::VersionAssessment a = kordavel::assessVersionFile(file, previous);
    if (a.verdict != kordavel::VersionVerdict::Accepted)
        return 0;
    // The loading steps in their order, over the same bytes the window would use.
    (void)kordavel::periodText(file);
    const kordavel::ExtensionView v = kordavel::decodeExtension(a.extension);
    if (v.fileNameFormat < 0 || v.fileNameFormat > 4 || v.model < 0 || v.model > 1)
        __builtin_trap();
    bool lastFF = false;
    const auto list = [&](int first, int last) {
        for (int i = first; i <= last && i < file.size(); ++i) {
            const int code = quint8(file.at(i));
            const int box = kordavel::checkBoxForCode(code);
            if (box != 0 && (box < 2 || box > 10))
                __builtin_trap();
            const bool end = code == 255 && lastFF;
            lastFF = code == 255;
            if (end)
                break;
        }
    };
    list(16, a.layout.firstListEnd);
    if (file.size() > 33) {
        list(32, int(file.size()) - 1);
        const kordavel::DatesBlock d = kordavel::datesOf(file);
        if (d.useDates) {
            (void)kordavel::HexToDateText(d.startDigits, dc);
            (void)kordavel::HexToDateText(d.endDigits, dc);
        }
    }
    return 0;
}
