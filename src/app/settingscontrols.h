#pragma once

#include "settings/devicedate.h"
#include "settings/settingcodes.h"
#include "settings/versionfile.h"

#include <QObject>

#include <array>
#include <functional>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kordavel {

// Left edges of the two settings pages, in twips: the page in view and the
// parked one, beyond the edge of the narrow window.
inline constexpr int kPageInViewLeft = 360;
inline constexpr int kPageParkedLeft = 5160;

// Up to this software version the 4 Hz box and the other-VDO-data box share a
// download code, so checking one checks the other.
inline constexpr qint32 kLastVersionSharing4HzCode = 35;
// First software version that takes download start and end dates.
inline constexpr qint32 kFirstVersionWithDates = 54;
// First software version that offers more than two file-name formats.
inline constexpr qint32 kFirstVersionWithAllFormats = 27;
// First software version that names its DDD files the European way.
inline constexpr qint32 kFirstVersionWithEuropeanNames = 17;

// The settings controls of the main window, owned by the window.
struct SettingsControls
{
    // The download page and its boxes.
    QGroupBox *downloadPage = nullptr;
    QCheckBox *overviewBox = nullptr;
    QCheckBox *activitiesBox = nullptr;
    QCheckBox *eventsFaultsBox = nullptr;
    QCheckBox *detailedSpeedBox = nullptr;
    QCheckBox *technicalDataBox = nullptr;
    QCheckBox *driverCardBox = nullptr;
    QCheckBox *saveCardDateBox = nullptr;
    QCheckBox *otherVdoDataBox = nullptr;
    QCheckBox *speed168hBox = nullptr;
    QCheckBox *speed4HzBox = nullptr;
    QCheckBox *useDatesBox = nullptr;
    QLineEdit *daysBackEdit = nullptr; // whole days back; 0 downloads since the last download
    QLabel *daysLabel = nullptr;
    QDateEdit *downloadStartPicker = nullptr;
    QDateEdit *downloadEndPicker = nullptr;

    // The file-name page: one button per format, in FileNameFormat order.
    QGroupBox *fileNamePage = nullptr;
    std::array<QRadioButton *, kFileNameFormatCount> fileNameFormatButtons{};

    QRadioButton *modelKordavelButton = nullptr;
    QRadioButton *modelKordavelPlusButton = nullptr;
    // The page selectors: "Configuration" shows the download page.
    QRadioButton *downloadPageButton = nullptr;
    QRadioButton *fileNamePageButton = nullptr;

    QCheckBox *box(DownloadBox which) const;
    QRadioButton *formatButton(FileNameFormat format) const
    {
        return fileNameFormatButtons[std::size_t(format)];
    }
};

// Loads device settings into the controls and keeps the controls consistent
// with each other. The coupling rules run on every change of state, by the
// user or by the program, and not when a box is set to the state it already has.
class SettingsRules : public QObject
{
    Q_OBJECT
public:
    // softwareVersion reads the window's current software version on demand.
    SettingsRules(const SettingsControls &controls, std::function<qint32()> softwareVersion,
                  QObject *parent = nullptr);

    const SettingsControls &controls() const { return m_c; }

    // Checks the box of a download code. True when the code is a group end and
    // the code before it (of any list, of any read) was one too: the list ends.
    bool checkBoxOfCode(qint32 code);

    // Version-dependent visibility, enabling and captions after identification.
    void applyIdentification(const Identification &id);
    // The steps of showing a version file's settings, in the order they run.
    void showDaysBack(const QByteArray &versionData);
    void clearDownloadBoxes();
    void enableBoxesOfLayout(Layout layout);
    void showConfigurationByte(int configByte);
    // Checks the boxes of the codes at offsets first..last, up to the list's end.
    void checkBoxesOfCodeList(const QByteArray &versionData, int first, int last);
    void showDates(const QByteArray &versionData);

    // Clears every file-name format button (none selected).
    void deselectFileNameFormats();

    void onOtherVdoDataToggled();
    void onSpeed4HzToggled();
    void onUseDatesToggled();
    void showSelectedPage();

private:
    SettingsControls m_c;
    std::function<qint32()> m_softwareVersion;
    bool m_previousCodeWasEnd = false;
};

} // namespace kordavel
