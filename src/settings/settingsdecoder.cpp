#include "settingsdecoder.h"

#include "devicedate.h"

namespace kordavel {

namespace {
// Checks a box as a click would, with the box that shares its code.
void check(SettingsChange &view, DownloadBox box)
{
    view.box(box) = true;
    if (!view.device || !sharesSpeed4HzCode(view.device->softwareVersion))
        return;
    if (box == DownloadBox::OtherVdoData)
        view.box(DownloadBox::Speed4Hz) = true;
    else if (box == DownloadBox::Speed4Hz)
        view.box(DownloadBox::OtherVdoData) = true;
}
} // namespace

SettingsChange SettingsDecoder::decode(const QByteArray &data, const VersionAssessment &assessment)
{
    SettingsChange view;
    switch (assessment.verdict) {
    case VersionVerdict::TooShort:
    case VersionVerdict::BadHeader:
        return view; // nothing of such a file is shown
    case VersionVerdict::ConfigNotAvailable:
    case VersionVerdict::WrongLength:
    case VersionVerdict::Accepted:
        break;
    }
    // An unknown family keeps the version read before.
    ReadDevice &device = view.device.emplace();
    device.family = assessment.id.family;
    device.softwareVersion = assessment.version;
    // A Kordavel whose software takes no dates does not use them.
    if (device.family == Family::TQ && device.softwareVersion < kFirstVersionWithDates)
        view.box(DownloadBox::UseDates) = false;
    view.daysBack = periodText(data);
    clearDownloadBoxes(view);
    if (assessment.verdict != VersionVerdict::Accepted)
        return view;

    device.settingsLayout = assessment.layout.layout;
    showConfigurationByte(view, assessment.configByte);
    checkCodeList(view, data, VersionOffset::FirstCodeList, assessment.layout.firstListEnd);
    // Only layout C reaches past the first list: VDO codes, then the dates.
    if (data.size() > VersionOffset::SecondCodeList + 1) {
        checkCodeList(view, data, VersionOffset::SecondCodeList, int(data.size()) - 1);
        showDates(view, data);
    }
    return view;
}

void SettingsDecoder::clearDownloadBoxes(SettingsChange &view) const
{
    // Every box a code list can check, and the save-date flag, which the
    // configuration byte sets; the overview and the dates box keep their state.
    using B = DownloadBox;
    for (B b : {B::Activities, B::EventsFaults, B::DetailedSpeed, B::TechnicalData, B::DriverCard,
                B::SaveCardDate, B::OtherVdoData, B::Speed168h, B::Speed4Hz})
        view.box(b) = false;
}

void SettingsDecoder::showConfigurationByte(SettingsChange &view, int configByte) const
{
    const ConfigurationByteView v = decodeConfigurationByte(configByte);
    if (v.saveCardDate)
        view.box(DownloadBox::SaveCardDate) = true;
    view.kordavelPlus = v.kordavelPlus;
    view.fileNameFormat = v.fileNameFormat;
}

void SettingsDecoder::checkCodeList(SettingsChange &view, const QByteArray &data, int first,
                                    int last)
{
    for (int i = first; i <= last && i < data.size(); ++i) {
        const quint8 code = quint8(data.at(i));
        if (const std::optional<DownloadBox> which = boxForDownloadCode(code))
            check(view, *which);
        const bool endOfList = code == DownloadCode::GroupEnd && m_previousCodeWasEnd;
        m_previousCodeWasEnd = code == DownloadCode::GroupEnd;
        if (endOfList)
            break;
    }
}

void SettingsDecoder::showDates(SettingsChange &view, const QByteArray &data) const
{
    const DatesBlock dates = datesOf(data);
    view.box(DownloadBox::UseDates) = dates.useDates;
    if (!dates.useDates)
        return;
    // The pickers hold dates only: the time of day is dropped.
    view.downloadStart = deviceDateTime(dates.start).date();
    view.downloadEnd = deviceDateTime(dates.end).date();
}

} // namespace kordavel
