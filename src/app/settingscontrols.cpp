#include "settingscontrols.h"

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

void SettingsRules::apply(const DecodedSettings &settings)
{
    // The version comes first: the coupling rules that run while the boxes
    // change follow the device shown.
    if (settings.softwareVersion)
        m_softwareVersion = *settings.softwareVersion;
    for (int f = 0; f < kFileNameFormatCount; ++f)
        if (const std::optional<bool> visible = settings.formatVisible[std::size_t(f)])
            m_c.fileNameFormatButtons[std::size_t(f)]->setVisible(*visible);
    if (settings.europeanFormatName)
        m_c.formatButton(FileNameFormat::European)
            ->setText(captionOf(*settings.europeanFormatName));
    if (settings.daysBack)
        m_c.daysBackEdit->setText(*settings.daysBack);
    for (DownloadBox b : kAllDownloadBoxes) {
        const ControlState &state = settings.box(b);
        QCheckBox *box = m_c.box(b);
        if (state.checked)
            box->setChecked(*state.checked);
        if (state.visible)
            box->setVisible(*state.visible);
        if (state.enabled)
            box->setEnabled(*state.enabled);
    }
    if (settings.kordavelPlus)
        (*settings.kordavelPlus ? m_c.modelKordavelPlusButton : m_c.modelKordavelButton)
            ->setChecked(true);
    if (settings.fileNameFormat) {
        deselectFileNameFormats();
        m_c.formatButton(*settings.fileNameFormat)->setChecked(true);
    }
    if (settings.downloadStart)
        m_c.downloadStartPicker->setDate(*settings.downloadStart);
    if (settings.downloadEnd)
        m_c.downloadEndPicker->setDate(*settings.downloadEnd);
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
