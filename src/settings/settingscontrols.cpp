#include "settingscontrols.h"

#include "platform/units.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kordavel {

SettingsRules::SettingsRules(const SettingsControls &controls,
                             std::function<qint32()> softwareVersion, QObject *parent)
    : QObject(parent), m_c(controls), m_softwareVersion(std::move(softwareVersion))
{
    connect(m_c.Check[8], &QCheckBox::toggled, this, [this] { Check8_Click(); });
    connect(m_c.Check[10], &QCheckBox::toggled, this, [this] { Check10_Click(); });
    connect(m_c.Check[11], &QCheckBox::toggled, this, [this] { Check11_Click(); });
    // Option2(0) changes state whenever the selected page changes, and by then
    // both buttons hold their new state.
    connect(m_c.Option2[0], &QRadioButton::toggled, this,
            [this](bool on) { Option2_Click(on ? 0 : 1); });
}

bool SettingsRules::SetCheckBoxes(qint32 lByteValue)
{
    const int box = checkBoxForCode(lByteValue);
    if (box != 0)
        m_c.Check[box]->setChecked(true);
    const bool endOfList = lByteValue == 255 && m_bLastByteWasFF;
    m_bLastByteWasFF = lByteValue == 255;
    return endOfList;
}

void SettingsRules::applyIdentification(const Identification &id)
{
    const bool show = id.family != Family::Unknown;
    if (id.family == Family::TQ) {
        if (id.version >= 54) {
            m_c.Check[11]->setEnabled(true);
        } else {
            m_c.Check[11]->setChecked(false);
            m_c.Check[11]->setEnabled(false);
        }
        const bool longNames = id.version >= 27;
        for (int i = 2; i <= 4; ++i)
            m_c.Option1[i]->setVisible(longNames);
        m_c.Option1[1]->setText(id.version >= 17 ? QStringLiteral("European/VDO(DDD)")
                                                 : QStringLiteral("Short file name DDD"));
    } else if (id.family == Family::CR) {
        for (int i = 2; i <= 4; ++i)
            m_c.Option1[i]->setVisible(true);
        m_c.Option1[1]->setText(QStringLiteral("European/VDO(DDD)"));
    }
    if (!show)
        for (QRadioButton *b : m_c.Option1)
            b->setVisible(false);
}

void SettingsRules::loadPeriod(const QByteArray &data)
{
    m_c.tbDays->setText(periodText(data));
}

void SettingsRules::clearDownloadBoxes()
{
    for (int i = 2; i <= 8; ++i)
        m_c.Check[i]->setChecked(false);
    m_c.Check[8]->setVisible(true);
    m_c.Check[9]->setChecked(false);
    m_c.Check[9]->setVisible(true);
    m_c.Check[10]->setChecked(false);
    m_c.Check[10]->setVisible(true);
}

void SettingsRules::applyLayout(Layout layout)
{
    const bool b = layout == Layout::B;
    const bool c = layout == Layout::C;
    m_c.Check[8]->setEnabled(b || c);
    m_c.Check[9]->setEnabled(c);
    m_c.Check[10]->setEnabled(b || c);
}

void SettingsRules::deselectFileNameFormats()
{
    // An exclusive group refuses to clear its checked button; lift that briefly.
    QButtonGroup *group = m_c.Option1[0]->group();
    if (group)
        group->setExclusive(false);
    for (QRadioButton *b : m_c.Option1)
        b->setChecked(false);
    if (group)
        group->setExclusive(true);
}

void SettingsRules::applyExtension(int extension)
{
    const ExtensionView v = decodeExtension(extension);
    if (v.saveCardDate)
        m_c.Check[7]->setChecked(true);
    m_c.optKordavel[v.model]->setChecked(true);
    deselectFileNameFormats();
    m_c.Option1[v.fileNameFormat]->setChecked(true);
}

void SettingsRules::applyCodeList(const QByteArray &data, int first, int last)
{
    for (int i = first; i <= last && i < data.size(); ++i)
        if (SetCheckBoxes(quint8(data.at(i))))
            break;
}

void SettingsRules::applyDates(const QByteArray &data, const DateConstants &dc)
{
    const DatesBlock dates = datesOf(data);
    if (!dates.useDates) {
        m_c.Check[11]->setChecked(false);
        return;
    }
    m_c.Check[11]->setChecked(true);
    // The pickers hold dates only: the time of day is dropped.
    const auto set = [&](QDateEdit *picker, const QString &digits) {
        const QString text = dateTextPart(HexToDateText(digits, dc));
        const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            picker->setDate(d);
    };
    set(m_c.DTPickerStart, dates.startDigits);
    set(m_c.DTPickerEnd, dates.endDigits);
}

void SettingsRules::Check8_Click()
{
    if (m_softwareVersion() <= 35)
        m_c.Check[10]->setChecked(m_c.Check[8]->isChecked());
}

void SettingsRules::Check10_Click()
{
    if (m_softwareVersion() <= 35)
        m_c.Check[8]->setChecked(m_c.Check[10]->isChecked());
}

void SettingsRules::Check11_Click()
{
    const bool free = !m_c.Check[11]->isChecked();
    m_c.Check[2]->setEnabled(free);
    m_c.Label7->setEnabled(free);
    m_c.tbDays->setEnabled(free);
}

void SettingsRules::Option2_Click(int /*index*/)
{
    QGroupBox *shown = m_c.Option2[0]->isChecked() ? m_c.frameSelectFiles : m_c.frameFileName;
    QGroupBox *parked = shown == m_c.frameSelectFiles ? m_c.frameFileName : m_c.frameSelectFiles;
    shown->move(twipsToPixels(kPageInViewLeft), shown->y());
    parked->move(twipsToPixels(kPageParkedLeft), parked->y());
}

} // namespace kordavel
