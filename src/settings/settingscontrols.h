#pragma once

#include "devicedate.h"
#include "versionfile.h"

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

// Left edges of the two settings pages: the page in view and the parked one.
inline constexpr int kPageInViewLeft = 360;
inline constexpr int kPageParkedLeft = 5160;

// The settings controls of the main window, owned by the window.
struct SettingsControls
{
    std::array<QCheckBox *, 12> Check{}; // Check[1] .. Check[11]; Check[0] unused
    QLineEdit *tbDays = nullptr;
    QLabel *Label7 = nullptr;
    QDateEdit *DTPickerStart = nullptr;
    QDateEdit *DTPickerEnd = nullptr;
    std::array<QRadioButton *, 5> Option1{};
    std::array<QRadioButton *, 2> optKordavel{};
    std::array<QRadioButton *, 2> Option2{};
    QGroupBox *frameSelectFiles = nullptr;
    QGroupBox *frameFileName = nullptr;
};

// Loads device settings into the controls and keeps the controls consistent
// with each other. The click rules run on every change of state, by the user or
// by the program, and not when a box is set to the state it already has.
class SettingsRules : public QObject
{
    Q_OBJECT
public:
    // softwareVersion reads the window's current software version on demand.
    SettingsRules(const SettingsControls &controls, std::function<qint32()> softwareVersion,
                  QObject *parent = nullptr);

    const SettingsControls &controls() const { return m_c; }

    // Checks the box of a download code. True when the code is 255 and the
    // previous code (of any list, of any read) was 255 too: the list ends.
    bool SetCheckBoxes(qint32 lByteValue);
    bool lastByteWasFF() const { return m_bLastByteWasFF; }

    // Version-dependent visibility, enabling and captions after identification.
    void applyIdentification(const Identification &id);
    void loadPeriod(const QByteArray &data);                          // L1
    void clearDownloadBoxes();                                        // L2
    void applyLayout(Layout layout);                                  // L3
    void applyExtension(int extension);                               // L4
    void applyCodeList(const QByteArray &data, int first, int last);  // L5
    void applyDates(const QByteArray &data, const DateConstants &dc); // L6

    // Clears every Option1 button (none selected).
    void deselectFileNameFormats();

    void Check8_Click();
    void Check10_Click();
    void Check11_Click();
    void Option2_Click(int index);

private:
    SettingsControls m_c;
    std::function<qint32()> m_softwareVersion;
    bool m_bLastByteWasFF = false;
};

} // namespace kordavel
