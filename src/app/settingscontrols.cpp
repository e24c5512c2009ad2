#include "settingscontrols.h"

#include "apptext.h"
#include "look/units.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kordavel {

QCheckBox *SettingsControls::box(DownloadBox which) const
{
    switch (which) {
    case DownloadBox::Overview:
        return overviewBox;
    case DownloadBox::Activities:
        return activitiesBox;
    case DownloadBox::EventsFaults:
        return eventsFaultsBox;
    case DownloadBox::DetailedSpeed:
        return detailedSpeedBox;
    case DownloadBox::TechnicalData:
        return technicalDataBox;
    case DownloadBox::DriverCard:
        return driverCardBox;
    case DownloadBox::SaveCardDate:
        return saveCardDateBox;
    case DownloadBox::OtherVdoData:
        return otherVdoDataBox;
    case DownloadBox::Speed168h:
        return speed168hBox;
    case DownloadBox::Speed4Hz:
        return speed4HzBox;
    case DownloadBox::UseDates:
        return useDatesBox;
    }
    return nullptr;
}

SettingsRules::SettingsRules(const SettingsControls &controls, QObject *parent)
    : QObject(parent), m_c(controls)
{
    connect(m_c.otherVdoDataBox, &QCheckBox::toggled, this, [this] { onOtherVdoDataToggled(); });
    connect(m_c.speed4HzBox, &QCheckBox::toggled, this, [this] { onSpeed4HzToggled(); });
    connect(m_c.useDatesBox, &QCheckBox::toggled, this, [this] { onUseDatesToggled(); });
    // The download page's selector changes state whenever the selected page
    // changes, and by then both selectors hold their new state.
    connect(m_c.downloadPageButton, &QRadioButton::toggled, this, [this] { showSelectedPage(); });
}

OfferedControls controlsOffered(const ReadDevice &device)
{
    using B = DownloadBox;
    using F = FileNameFormat;
    OfferedControls offered;
    auto showAllFormats = [&offered](bool all) {
        for (F f : {F::French, F::Spanish, F::DuvadoRirozo})
            offered.formatVisible[std::size_t(f)] = all;
    };
    const QString europeanVdo = QStringLiteral("European/VDO(DDD)");
    switch (device.family) {
    case Family::TQ:
        offered.boxEnabled[std::size_t(B::UseDates)] =
            device.softwareVersion >= kFirstVersionWithDates;
        showAllFormats(device.softwareVersion >= kFirstVersionWithAllFormats);
        offered.europeanCaption = device.softwareVersion >= kFirstVersionWithEuropeanNames
                                      ? europeanVdo
                                      : QStringLiteral("Short file name DDD");
        break;
    case Family::CR:
        showAllFormats(true);
        offered.europeanCaption = europeanVdo;
        break;
    case Family::Unknown:
        offered.formatVisible.fill(false);
        break;
    }
    for (B b : {B::OtherVdoData, B::Speed168h, B::Speed4Hz})
        offered.boxVisible[std::size_t(b)] = true;
    // Known once the settings are read: layout A devices know no VDO-specific
    // data, and only layout C has 168 h speed.
    if (device.settingsLayout != Layout::None) {
        const bool vdo = device.settingsLayout == Layout::B || device.settingsLayout == Layout::C;
        offered.boxEnabled[std::size_t(B::OtherVdoData)] = vdo;
        offered.boxEnabled[std::size_t(B::Speed4Hz)] = vdo;
        offered.boxEnabled[std::size_t(B::Speed168h)] = device.settingsLayout == Layout::C;
    }
    return offered;
}

void SettingsRules::apply(const SettingsChange &change)
{
    // The device comes first: the coupling rules that run while the boxes
    // change follow the device shown.
    OfferedControls offered;
    if (change.device) {
        m_softwareVersion = change.device->softwareVersion;
        offered = controlsOffered(*change.device);
    }
    for (int f = 0; f < kFileNameFormatCount; ++f)
        if (const std::optional<bool> visible = offered.formatVisible[std::size_t(f)])
            m_c.fileNameFormatButtons[std::size_t(f)]->setVisible(*visible);
    if (offered.europeanCaption)
        m_c.formatButton(FileNameFormat::European)->setText(*offered.europeanCaption);
    if (change.daysBack)
        m_c.daysBackEdit->setText(*change.daysBack);
    for (DownloadBox b : kAllDownloadBoxes) {
        QCheckBox *box = m_c.box(b);
        if (const std::optional<bool> checked = change.box(b))
            box->setChecked(*checked);
        if (const std::optional<bool> visible = offered.boxVisible[std::size_t(b)])
            box->setVisible(*visible);
        if (const std::optional<bool> enabled = offered.boxEnabled[std::size_t(b)])
            box->setEnabled(*enabled);
    }
    if (change.kordavelPlus)
        (*change.kordavelPlus ? m_c.modelKordavelPlusButton : m_c.modelKordavelButton)
            ->setChecked(true);
    if (change.fileNameFormat) {
        deselectFileNameFormats();
        m_c.formatButton(*change.fileNameFormat)->setChecked(true);
    }
    if (change.downloadStart)
        m_c.downloadStartPicker->setDate(*change.downloadStart);
    if (change.downloadEnd)
        m_c.downloadEndPicker->setDate(*change.downloadEnd);
}

void SettingsRules::lock(bool locked)
{
    // A disabled page keeps every control on it disabled, also one a rule
    // enables, and gives it back its own state when it is enabled again.
    const QString why =
        locked ? AppText::tr("Your organisation's fleet standard sets these settings.") : QString();
    for (QGroupBox *page : {m_c.downloadPage, m_c.fileNamePage}) {
        page->setEnabled(!locked);
        page->setToolTip(why);
        page->setAccessibleDescription(why);
    }
}

void SettingsRules::deselectFileNameFormats()
{
    // An exclusive group refuses to clear its checked button; lift that briefly.
    QButtonGroup *group = m_c.fileNameFormatButtons[0]->group();
    if (group)
        group->setExclusive(false);
    for (QRadioButton *b : m_c.fileNameFormatButtons)
        b->setChecked(false);
    if (group)
        group->setExclusive(true);
}

void SettingsRules::onOtherVdoDataToggled()
{
    if (sharesSpeed4HzCode(m_softwareVersion))
        m_c.speed4HzBox->setChecked(m_c.otherVdoDataBox->isChecked());
}

void SettingsRules::onSpeed4HzToggled()
{
    if (sharesSpeed4HzCode(m_softwareVersion))
        m_c.otherVdoDataBox->setChecked(m_c.speed4HzBox->isChecked());
}

void SettingsRules::onUseDatesToggled()
{
    // Start and end dates replace the activities' days back.
    const bool free = !m_c.useDatesBox->isChecked();
    m_c.activitiesBox->setEnabled(free);
    m_c.daysLabel->setEnabled(free);
    m_c.daysBackEdit->setEnabled(free);
}

void SettingsRules::showSelectedPage()
{
    // Both pages stand in the window; the selected one moves into view and the
    // other is parked to the right, beyond the edge of the narrow window.
    QGroupBox *shown = m_c.downloadPageButton->isChecked() ? m_c.downloadPage : m_c.fileNamePage;
    QGroupBox *parked = shown == m_c.downloadPage ? m_c.fileNamePage : m_c.downloadPage;
    shown->move(twipsToPixels(kPageInViewLeft), shown->y());
    parked->move(twipsToPixels(kPageParkedLeft), parked->y());
}

} // namespace kordavel
