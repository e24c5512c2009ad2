#include "downloaditems.h"
#include "settingstext.h"

#include <algorithm>

namespace kordavel {

namespace {

constexpr DownloadItem kItems[] = {
    {DownloadBox::Overview,
     Layout::A,
     nullptr,
     QT_TRANSLATE_NOOP("kordavel::settings", "Overview (Mandatory)"),
     {nullptr, nullptr},
     QT_TRANSLATE_NOOP("kordavel::settings", "TREP 01")},
    {DownloadBox::Activities, Layout::A, "activities",
     QT_TRANSLATE_NOOP("kordavel::settings", "Daily Activity Records"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "Daily Activity Records", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "TREP 02")},
    {DownloadBox::EventsFaults, Layout::A, "events-faults",
     QT_TRANSLATE_NOOP("kordavel::settings", "Events && Faults"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "Events & Faults", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "TREP 03")},
    {DownloadBox::DetailedSpeed, Layout::A, "detailed-speed",
     QT_TRANSLATE_NOOP("kordavel::settings", "Detailed Speed (24h)"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "Detailed Speed (24h)", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "TREP 04")},
    {DownloadBox::TechnicalData, Layout::A, "technical-data",
     QT_TRANSLATE_NOOP("kordavel::settings", "Technical Data"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "Technical Data", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "TREP 05")},
    {DownloadBox::DriverCard, Layout::A, "driver-card",
     QT_TRANSLATE_NOOP("kordavel::settings", "Driver Card in VU (if there is one)"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "Driver Card in VU", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "TREP 06")},
    // Layout A has no room for VDO-specific codes.
    {DownloadBox::OtherVdoData, Layout::B, "vdo-data",
     QT_TRANSLATE_NOOP("kordavel::settings", "Other VDO Specific Data"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "Other VDO Specific Data", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "Available from VDO tachographs")},
    {DownloadBox::Speed168h, Layout::C, "detailed-speed-168h",
     QT_TRANSLATE_NOOP("kordavel::settings", "168h Detailed Speed"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "168h Detailed Speed", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "168h Detailed Speed available from VDO tachographs")},
    {DownloadBox::Speed4Hz, Layout::B, "speed-4hz",
     QT_TRANSLATE_NOOP("kordavel::settings", "4Hz Data"),
     QT_TRANSLATE_NOOP3("kordavel::settings", "4Hz Data", "a download, in full"),
     QT_TRANSLATE_NOOP("kordavel::settings", "4Hz Speed Data available from VDO tachographs")},
};

} // namespace

std::span<const DownloadItem> settableDownloadItems()
{
    return std::span<const DownloadItem>(kItems).subspan(1);
}

const DownloadItem *downloadItemOf(DownloadBox box)
{
    const auto it = std::find_if(std::begin(kItems), std::end(kItems),
                                 [box](const DownloadItem &item) { return item.box == box; });
    return it == std::end(kItems) ? nullptr : &*it;
}

bool isSettableDownload(DownloadBox box)
{
    const DownloadItem *item = downloadItemOf(box);
    return item && item->key;
}

QString captionOf(const DownloadItem &item)
{
    return SettingsText::tr(item.caption);
}

QString nameOf(const DownloadItem &item)
{
    return item.name.source ? SettingsText::tr(item.name.source, item.name.comment) : QString();
}

QString termOf(const DownloadItem &item)
{
    return SettingsText::tr(item.term);
}

} // namespace kordavel
