#pragma once

#include "arrows.h"
#include "device/drivescan.h"
#include "flow.h"
#include "help/frminfo.h"
#include "settings/devicedate.h"
#include "settings/settingscontrols.h"
#include "writer/hexfile.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;
class QWindow;

namespace kordavel {

class Clock;
class Drives;
class Files;
class MediaService;
class MessageBox;

// What the main window needs from the machine.
struct Platform
{
    Drives *drives = nullptr;
    Files *files = nullptr;
    Clock *clock = nullptr;
    MessageBox *messageBox = nullptr;
    // Mounting and safe removal through the desktop's disk service; none on
    // systems that mount media themselves.
    MediaService *media = nullptr;
    QString programFolder;
};

// Caption of every message box; the window itself is captioned kWindowCaption.
inline constexpr char kProgramTitle[] = "Kordavel - Set 'Latest VU' settings";
inline constexpr char kWindowCaption[] = "Kordavel Configuration";
inline constexpr char kMarkerFileName[] = "DuzudodeVizuriRedi.txt";

// The main window: settings pages, status texts, the Configure command and the
// polling flow that guides the user through unplugging and replugging.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Event handlers, public so that tests can drive them directly.
    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();
    ReadOutcome FindCurrentSettings();
    void cmdConfigure_Click();
    void DisconnectReconnectKordavel();
    bool CreateConfigurationFile();
    void DeleteConfigurationFile();
    void cmdHelp_Click();
    void lblSWVersion_Click();
    void showArrow(PictureBox *src);

    // Runs the activation handler when focus returns here from the help window.
    void onFocusWindowChanged(QWindow *window);

    // Shared state of the flow.
    qint32 lState = 0;
    qint32 lKordavelCount = 0;
    qint32 lSoftwareVersion = 0;
    int lExtension = 0;
    bool bClockEnable = false;
    DriveScan scan;          // aDrives and lDriveIndex
    QByteArray sVersionData; // version file as last read
    QString sFamilyCode;
    DateConstants dates;

    SettingsRules *rules() const { return m_rules; }
    frmInfo *helpWindow() const { return m_help; }
    QTimer *timer() const { return m_timer; }
    ArrowAnimator &arrows() { return m_arrows; }
    // Outer window size last requested, in twips.
    int outerHeightTwips() const { return m_outerHeightTwips; }
    int outerWidthTwips() const { return m_outerWidthTwips; }
    bool wideLayout() const { return m_wide; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    template <typename T> T *place(T *w, const char *name);
    void setOuterHeightTwips(int twips);
    void applyOuterSize();
    void perform(FlowAction action);
    void setList(const QStringList &rows);
    void updateMountNotice();
    void showNotice();
    void updateSafeRemove();
    void mountDrive();
    void safelyRemoveDevice();
    void showMediaProblem(const QString &text);
    void inform(const QString &text);
    ReadOutcome missingFile();
    ReadOutcome rejectFile(const QString &path, bool trapArmed);
    QByteArray readVersionData(const QString &root, bool *ok);
    ScreenSettings screenSettings() const;

    Platform m_p;
    QTimer *m_timer = nullptr;
    SettingsRules *m_rules = nullptr;
    QPointer<frmInfo> m_help;
    ArrowAnimator m_arrows;
    bool m_busy = false; // a handler is running: ticks wait
    bool m_lastFocusWasHelp = false;
    bool m_activatedOnce = false;
    bool m_wide = false;
    QStringList m_unmountedDrives;   // kernel names; the mount button mounts the first
    QString m_mediaProblem;          // why the last mount or removal failed
    qint32 m_mediaProblemState = -1; // flow state in which it failed
    int m_outerHeightTwips = 0;
    int m_outerWidthTwips = 0;

public:
    // Controls, named as their objectName.
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdConfigure = nullptr;
    QFrame *Frame1 = nullptr;
    QGroupBox *frameFileName = nullptr;
    QGroupBox *frameSelectFiles = nullptr;
    std::array<QRadioButton *, 2> Option2{};
    std::array<QRadioButton *, 5> Option1{};
    std::array<QRadioButton *, 2> optKordavel{};
    std::array<QCheckBox *, 12> Check{};
    QLineEdit *tbDays = nullptr;
    QDateEdit *DTPickerStart = nullptr;
    QDateEdit *DTPickerEnd = nullptr;
    QLabel *lblStart = nullptr;
    QLabel *lblEnd = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblState = nullptr;
    QLabel *lblSWVersion = nullptr;
    QLabel *lblMessage = nullptr;
    QLabel *lblInstruction = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label1_0 = nullptr; // Label1(0)
    QLabel *lblNotice = nullptr;
    QPushButton *mountButton = nullptr;      // mounts an attached, unmounted drive
    QPushButton *safeRemoveButton = nullptr; // unmounts and powers off the configured device
    QLabel *Image1 = nullptr;
    QListWidget *List1 = nullptr;
    PictureBox *picNoArrow = nullptr;
    PictureBox *picArrowDisplay = nullptr;
    PictureBox *picInArrow = nullptr;
    PictureBox *picOutArrow = nullptr;
};

} // namespace kordavel
