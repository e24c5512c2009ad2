#include "settingsdecoder.h"

#include "devicedate.h"

namespace kordavel {

namespace {
// Checks a box as a click would, with the box that shares its code.
void check(SettingsChange &change, DownloadBox box)
{
    change.box(box) = true;
    if (!change.device || !sharesSpeed4HzCode(change.device->softwareVersion))
        return;
    if (box == DownloadBox::OtherVdoData)
        change.box(DownloadBox::Speed4Hz) = true;
    else if (box == DownloadBox::Speed4Hz)
        change.box(DownloadBox::OtherVdoData) = true;
}
} // namespace

SettingsChange SettingsDecoder::decode(const QByteArray &data, const VersionAssessment &assessment)
{
    SettingsChange change;
    switch (assessment.verdict) {
    case VersionVerdict::TooShort:
    case VersionVerdict::BadHeader:
        return change; // nothing of such a file is shown
    case VersionVerdict::ConfigNotAvailable:
    case VersionVerdict::WrongLength:
    case VersionVerdict::Accepted:
        break;
    }
    // An unknown family keeps the version read before.
    ReadDevice &device = change.device.emplace();
    device.family = assessment.id.family;
    device.softwareVersion = assessment.version;
    // A Kordavel whose software takes no dates does not use them.
    if (device.family == Family::TQ && device.softwareVersion < kFirstVersionWithDates)
        change.box(DownloadBox::UseDates) = false;
    change.daysBack = periodText(data);
    clearDownloadBoxes(change);
    if (assessment.verdict != VersionVerdict::Accepted)
        return change;

    device.settingsLayout = assessment.layout.layout;
    showConfigurationByte(change, assessment.configByte);
    checkCodeList(change, data, VersionOffset::FirstCodeList, assessment.layout.firstListEnd);
    // Only layout C reaches past the first list: VDO codes, then the dates.
    if (data.size() > VersionOffset::SecondCodeList + 1) {
        checkCodeList(change, data, VersionOffset::SecondCodeList, int(data.size()) - 1);
        showDates(change, data);
    }
    return change;
}

void SettingsDecoder::clearDownloadBoxes(SettingsChange &change) const
{
    // Every box a code list can check, and the save-date flag, which the
    // configuration byte sets; the overview and the dates box keep their state.
    using B = DownloadBox;
    for (B b : {B::Activities, B::EventsFaults, B::DetailedSpeed, B::TechnicalData, B::DriverCard,
                B::SaveCardDate, B::OtherVdoData, B::Speed168h, B::Speed4Hz})
        change.box(b) = false;
}

void SettingsDecoder::showConfigurationByte(SettingsChange &change, int configByte) const
{
    const ConfigurationByteView v = decodeConfigurationByte(configByte);
    if (v.saveCardDate)
        change.box(DownloadBox::SaveCardDate) = true;
    change.kordavelPlus = v.kordavelPlus;
    change.fileNameFormat = v.fileNameFormat;
}

void SettingsDecoder::checkCodeList(SettingsChange &change, const QByteArray &data, int first,
                                    int last)
{
    for (int i = first; i <= last && i < data.size(); ++i) {
        const quint8 code = quint8(data.at(i));
        if (const std::optional<DownloadBox> which = boxForDownloadCode(code))
            check(change, *which);
        const bool endOfList = code == DownloadCode::GroupEnd && m_previousCodeWasEnd;
        m_previousCodeWasEnd = code == DownloadCode::GroupEnd;
        if (endOfList)
            break;
    }
}

void SettingsDecoder::showDates(SettingsChange &change, const QByteArray &data) const
{
    const DatesBlock dates = datesOf(data);
    change.box(DownloadBox::UseDates) = dates.useDates;
    if (!dates.useDates)
        return;
    // The pickers hold dates only: the time of day is dropped.
    change.downloadStart = deviceDateTime(dates.start).date();
    change.downloadEnd = deviceDateTime(dates.end).date();
}

} // namespace kordavel
