#pragma once

#include "settings/settingcodes.h"
#include "settings/settingsdecoder.h"

#include <QObject>

#include <array>
#include <optional>

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

// What the controls offer once a device is read, by its family, software
// version and layout: an empty field stays as the screen had it.
struct OfferedControls
{
    std::array<std::optional<bool>, kDownloadBoxCount> boxEnabled{}; // by DownloadBox
    std::array<std::optional<bool>, kDownloadBoxCount> boxVisible{};
    std::array<std::optional<bool>, kFileNameFormatCount> formatVisible{}; // by FileNameFormat
    // The European format's caption: "European/VDO(DDD)" or "Short file name
    // DDD"; before any read the button shows the format's own caption.
    std::optional<QString> europeanCaption;
};
OfferedControls controlsOffered(const ReadDevice &device);

// Shows a change of the settings on the controls and keeps the controls
// consistent with each other. The coupling rules run on every change of
// state, by the user or by the program, and not when a box is set to the state
// it already has.
class SettingsRules : public QObject
{
    Q_OBJECT
public:
    explicit SettingsRules(const SettingsControls &controls, QObject *parent = nullptr);

    const SettingsControls &controls() const { return m_c; }

    // Puts a change on the controls (with what they offer, when it names the
    // device read); what it leaves empty stays.
    void apply(const SettingsChange &change);

    // Locked, the settings pages take no change from the user, whatever the
    // rules enable on them; the model and the page selectors stay free.
    void lock(bool locked);

    // Clears every file-name format button (none selected).
    void deselectFileNameFormats();

    void onOtherVdoDataToggled();
    void onSpeed4HzToggled();
    void onUseDatesToggled();
    void showSelectedPage();

private:
    SettingsControls m_c;
    qint32 m_softwareVersion = 0; // of the device shown: the boxes' coupling follows it
};

} // namespace kordavel
