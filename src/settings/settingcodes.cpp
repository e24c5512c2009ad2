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
constexpr int kFieldOfFormat[kFileNameFormatCount] = {7, 3, 2, 1, 0};
} // namespace

int formatField(FileNameFormat format)
{
    return kFieldOfFormat[int(format)];
}

FileNameFormat formatOfField(int field)
{
    for (int f = 0; f < kFileNameFormatCount; ++f)
        if (kFieldOfFormat[f] == field)
            return FileNameFormat(f);
    return FileNameFormat::ShortNames;
}

} // namespace kordavel
