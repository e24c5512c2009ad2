#include "settingcodes.h"

namespace kordavel {

std::optional<DownloadBox> boxForDownloadCode(int code)
{
    switch (code) {
    case DownloadCode::Activities:
        return DownloadBox::Activities;
    case DownloadCode::EventsFaults:
        return DownloadBox::EventsFaults;
    case DownloadCode::DetailedSpeed:
        return DownloadBox::DetailedSpeed;
    case DownloadCode::TechnicalData:
        return DownloadBox::TechnicalData;
    case DownloadCode::DriverCard:
        return DownloadBox::DriverCard;
    case DownloadCode::Speed4Hz:
        return DownloadBox::Speed4Hz;
    case DownloadCode::Speed168h:
        return DownloadBox::Speed168h;
    default:
        if (code >= DownloadCode::OtherVdoFirst && code <= DownloadCode::OtherVdoLast)
            return DownloadBox::OtherVdoData;
        return std::nullopt;
    }
}

namespace {
// In the order of FileNameFormat.
constexpr FileNameFormatItem kFormats[kFileNameFormatCount] = {
    {FileNameFormat::ShortNames, 7, "short-esm-crd", "Short File Names (esm/crd)"},
    {FileNameFormat::European, 3, "european-ddd", "European/VDO (DDD)"},
    {FileNameFormat::French, 2, "french-c1b-v1b", "French (C1B/V1B)"},
    {FileNameFormat::Spanish, 1, "spanish-tgd", "Spanish (TGD)"},
    {FileNameFormat::DuvadoRirozo, 0, "duvado-rirozo-ddd", "Duvado Rirozo (DDD)"},
};
} // namespace

std::span<const FileNameFormatItem> fileNameFormats()
{
    return kFormats;
}

const FileNameFormatItem &itemOf(FileNameFormat format)
{
    return kFormats[int(format)];
}

int formatField(FileNameFormat format)
{
    return itemOf(format).field;
}

FileNameFormat formatOfField(int field)
{
    for (const FileNameFormatItem &item : kFormats)
        if (item.field == field)
            return item.format;
    return FileNameFormat::ShortNames;
}

} // namespace kordavel
