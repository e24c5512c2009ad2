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

SettingsRules::SettingsRules(const SettingsControls &controls,
                             std::function<qint32()> softwareVersion, QObject *parent)
    : QObject(parent), m_c(controls), m_softwareVersion(std::move(softwareVersion))
{
    connect(m_c.otherVdoDataBox, &QCheckBox::toggled, this, [this] { onOtherVdoDataToggled(); });
    connect(m_c.speed4HzBox, &QCheckBox::toggled, this, [this] { onSpeed4HzToggled(); });
    connect(m_c.useDatesBox, &QCheckBox::toggled, this, [this] { onUseDatesToggled(); });
    // The download page's selector changes state whenever the selected page
    // changes, and by then both selectors hold their new state.
    connect(m_c.downloadPageButton, &QRadioButton::toggled, this, [this] { showSelectedPage(); });
}

bool SettingsRules::checkBoxOfCode(qint32 code)
{
    if (const std::optional<DownloadBox> which = boxForDownloadCode(code))
        m_c.box(*which)->setChecked(true);
    const bool endOfList = code == DownloadCode::GroupEnd && m_previousCodeWasEnd;
    m_previousCodeWasEnd = code == DownloadCode::GroupEnd;
    return endOfList;
}

void SettingsRules::applyIdentification(const Identification &id)
{
    using F = FileNameFormat;
    const bool show = id.family != Family::Unknown;
    if (id.family == Family::TQ) {
        if (id.version >= kFirstVersionWithDates) {
            m_c.useDatesBox->setEnabled(true);
        } else {
            m_c.useDatesBox->setChecked(false);
            m_c.useDatesBox->setEnabled(false);
        }
        const bool allFormats = id.version >= kFirstVersionWithAllFormats;
        for (F f : {F::French, F::Spanish, F::DuvadoRirozo})
            m_c.formatButton(f)->setVisible(allFormats);
        m_c.formatButton(F::European)
            ->setText(id.version >= kFirstVersionWithEuropeanNames
                          ? QStringLiteral("European/VDO(DDD)")
                          : QStringLiteral("Short file name DDD"));
    } else if (id.family == Family::CR) {
        for (F f : {F::French, F::Spanish, F::DuvadoRirozo})
            m_c.formatButton(f)->setVisible(true);
        m_c.formatButton(F::European)->setText(QStringLiteral("European/VDO(DDD)"));
    }
    if (!show)
        for (QRadioButton *b : m_c.fileNameFormatButtons)
            b->setVisible(false);
}

void SettingsRules::showDaysBack(const QByteArray &versionData)
{
    m_c.daysBackEdit->setText(periodText(versionData));
}

void SettingsRules::clearDownloadBoxes()
{
    // Every box a code list can check, and the save-date flag, which the
    // configuration byte sets; the overview and the dates box keep their state.
    for (QCheckBox *b :
         {m_c.activitiesBox, m_c.eventsFaultsBox, m_c.detailedSpeedBox, m_c.technicalDataBox,
          m_c.driverCardBox, m_c.saveCardDateBox, m_c.otherVdoDataBox})
        b->setChecked(false);
    m_c.otherVdoDataBox->setVisible(true);
    m_c.speed168hBox->setChecked(false);
    m_c.speed168hBox->setVisible(true);
    m_c.speed4HzBox->setChecked(false);
    m_c.speed4HzBox->setVisible(true);
}

void SettingsRules::enableBoxesOfLayout(Layout layout)
{
    // Layout A devices know no VDO-specific data; only layout C has 168 h speed.
    const bool b = layout == Layout::B;
    const bool c = layout == Layout::C;
    m_c.otherVdoDataBox->setEnabled(b || c);
    m_c.speed168hBox->setEnabled(c);
    m_c.speed4HzBox->setEnabled(b || c);
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

void SettingsRules::showConfigurationByte(int configByte)
{
    const ConfigurationByteView v = decodeConfigurationByte(configByte);
    if (v.saveCardDate)
        m_c.saveCardDateBox->setChecked(true);
    (v.kordavelPlus ? m_c.modelKordavelPlusButton : m_c.modelKordavelButton)->setChecked(true);
    deselectFileNameFormats();
    m_c.formatButton(v.fileNameFormat)->setChecked(true);
}

void SettingsRules::checkBoxesOfCodeList(const QByteArray &versionData, int first, int last)
{
    for (int i = first; i <= last && i < versionData.size(); ++i)
        if (checkBoxOfCode(quint8(versionData.at(i))))
            break;
}

void SettingsRules::showDates(const QByteArray &versionData)
{
    const DatesBlock dates = datesOf(versionData);
    if (!dates.useDates) {
        m_c.useDatesBox->setChecked(false);
        return;
    }
    m_c.useDatesBox->setChecked(true);
    // The pickers hold dates only: the time of day is dropped.
    m_c.downloadStartPicker->setDate(deviceDateTime(dates.start).date());
    m_c.downloadEndPicker->setDate(deviceDateTime(dates.end).date());
}

void SettingsRules::onOtherVdoDataToggled()
{
    if (m_softwareVersion() <= kLastVersionSharing4HzCode)
        m_c.speed4HzBox->setChecked(m_c.otherVdoDataBox->isChecked());
}

void SettingsRules::onSpeed4HzToggled()
{
    if (m_softwareVersion() <= kLastVersionSharing4HzCode)
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
