#include "settingsdecoder.h"

#include "devicedate.h"

namespace kordavel {

namespace {
// Checks a box as a click would, with the box that shares its code.
void check(DecodedSettings &view, DownloadBox box)
{
    view.box(box).checked = true;
    if (!view.softwareVersion || !sharesSpeed4HzCode(*view.softwareVersion))
        return;
    if (box == DownloadBox::OtherVdoData)
        view.box(DownloadBox::Speed4Hz).checked = true;
    else if (box == DownloadBox::Speed4Hz)
        view.box(DownloadBox::OtherVdoData).checked = true;
}
} // namespace

DecodedSettings SettingsDecoder::decode(const QByteArray &data, const VersionAssessment &assessment)
{
    DecodedSettings view;
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
    view.softwareVersion = assessment.version;
    applyIdentification(view, assessment.id);
    view.daysBack = periodText(data);
    clearDownloadBoxes(view);
    if (assessment.verdict != VersionVerdict::Accepted)
        return view;

    // Layout A devices know no VDO-specific data; only layout C has 168 h speed.
    const Layout layout = assessment.layout.layout;
    const bool vdo = layout == Layout::B || layout == Layout::C;
    view.box(DownloadBox::OtherVdoData).enabled = vdo;
    view.box(DownloadBox::Speed168h).enabled = layout == Layout::C;
    view.box(DownloadBox::Speed4Hz).enabled = vdo;
    showConfigurationByte(view, assessment.configByte);
    checkCodeList(view, data, VersionOffset::FirstCodeList, assessment.layout.firstListEnd);
    // Only layout C reaches past the first list: VDO codes, then the dates.
    if (data.size() > VersionOffset::SecondCodeList + 1) {
        checkCodeList(view, data, VersionOffset::SecondCodeList, int(data.size()) - 1);
        showDates(view, data);
    }
    return view;
}

void SettingsDecoder::applyIdentification(DecodedSettings &view, const Identification &id) const
{
    using F = FileNameFormat;
    ControlState &dates = view.box(DownloadBox::UseDates);
    switch (id.family) {
    case Family::TQ: {
        if (id.version >= kFirstVersionWithDates) {
            dates.enabled = true;
        } else {
            dates.checked = false;
            dates.enabled = false;
        }
        const bool allFormats = id.version >= kFirstVersionWithAllFormats;
        for (F f : {F::French, F::Spanish, F::DuvadoRirozo})
            view.formatVisible[std::size_t(f)] = allFormats;
        view.europeanFormatName = id.version >= kFirstVersionWithEuropeanNames
                                      ? EuropeanFormatName::EuropeanVdo
                                      : EuropeanFormatName::ShortDdd;
        break;
    }
    case Family::CR:
        for (F f : {F::French, F::Spanish, F::DuvadoRirozo})
            view.formatVisible[std::size_t(f)] = true;
        view.europeanFormatName = EuropeanFormatName::EuropeanVdo;
        break;
    case Family::Unknown:
        for (std::optional<bool> &visible : view.formatVisible)
            visible = false;
        break;
    }
}

void SettingsDecoder::clearDownloadBoxes(DecodedSettings &view) const
{
    // Every box a code list can check, and the save-date flag, which the
    // configuration byte sets; the overview and the dates box keep their state.
    using B = DownloadBox;
    for (B b : {B::Activities, B::EventsFaults, B::DetailedSpeed, B::TechnicalData, B::DriverCard,
                B::SaveCardDate, B::OtherVdoData, B::Speed168h, B::Speed4Hz})
        view.box(b).checked = false;
    for (B b : {B::OtherVdoData, B::Speed168h, B::Speed4Hz})
        view.box(b).visible = true;
}

void SettingsDecoder::showConfigurationByte(DecodedSettings &view, int configByte) const
{
    const ConfigurationByteView v = decodeConfigurationByte(configByte);
    if (v.saveCardDate)
        view.box(DownloadBox::SaveCardDate).checked = true;
    view.kordavelPlus = v.kordavelPlus;
    view.fileNameFormat = v.fileNameFormat;
}

void SettingsDecoder::checkCodeList(DecodedSettings &view, const QByteArray &data, int first,
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

void SettingsDecoder::showDates(DecodedSettings &view, const QByteArray &data) const
{
    const DatesBlock dates = datesOf(data);
    view.box(DownloadBox::UseDates).checked = dates.useDates;
    if (!dates.useDates)
        return;
    // The pickers hold dates only: the time of day is dropped.
    view.downloadStart = deviceDateTime(dates.start).date();
    view.downloadEnd = deviceDateTime(dates.end).date();
}

QString captionOf(EuropeanFormatName name)
{
    return name == EuropeanFormatName::EuropeanVdo ? QStringLiteral("European/VDO(DDD)")
                                                   : QStringLiteral("Short file name DDD");
}

} // namespace kordavel
