#include "form1.h"

#include "help/frminfo.h"
#include "help/helptext.h"
#include "layout.h"
#include "pictures.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/look.h"
#include "platform/media.h"
#include "platform/messagebox.h"
#include "platform/program.h"
#include "settings/versionfile.h"
#include "widgets.h"
#include "writer/configwrite.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

namespace kordavel {

namespace {

constexpr int kTimerIntervalMs = 500;
// How long a rejected version file may take to disappear after its deletion.
constexpr int kDeleteWaitMs = 5000;
constexpr int kDeleteWaitStepMs = 50;

const QString kReconnectLines = QStringLiteral("Disconnect and reconnect Kordavel.\r\n"
                                               "Wait a moment then click 'Current Settings'.");

// Raises the busy flag for the life of a handler; ticks that fall due meanwhile
// (inside a message box or a wait that lets events run) are skipped.
class BusyScope
{
public:
    explicit BusyScope(bool &flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~BusyScope() { m_flag = m_was; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &m_flag;
    bool m_was;
};

template <std::size_t N> void exclusiveGroup(const std::array<QRadioButton *, N> &buttons)
{
    auto *group = new QButtonGroup(buttons[0]->parent());
    for (std::size_t i = 0; i < N; ++i)
        group->addButton(buttons[i], int(i));
}

} // namespace

Form1::Form1(const Platform &platform, QWidget *parent) : QWidget(parent), m_p(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(kWindowCaption));
    setWindowIcon(programIcon());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(designFont(8.25));
    createControls();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTimerIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(cmdConfigure, &QPushButton::clicked, this, &Form1::cmdConfigure_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &Form1::cmdHelp_Click);
    connect(mountButton, &QPushButton::clicked, this, &Form1::mountDrive);
    connect(safeRemoveButton, &QPushButton::clicked, this, &Form1::safelyRemoveDevice);
    if (m_p.media) {
        connect(m_p.media, &MediaService::mounted, this, [this] {
            mountButton->setEnabled(true);
            showMediaProblem({}); // the next tick finds the drive
        });
        connect(m_p.media, &MediaService::mountFailed, this,
                [this](const QString &, const QString &reason) {
                    mountButton->setEnabled(true);
                    showMediaProblem(reason);
                });
        connect(m_p.media, &MediaService::removed, this, [this] {
            safeRemoveButton->setEnabled(true);
            safeRemoveButton->setVisible(false); // the next tick sees the drive gone
            showMediaProblem({});
        });
        connect(m_p.media, &MediaService::removeFailed, this,
                [this](const QString &, const QString &reason) {
                    safeRemoveButton->setEnabled(true);
                    showMediaProblem(reason);
                });
    }
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &Form1::onFocusWindowChanged);

    Form_Load();
    m_timer->start();
}

Form1::~Form1()
{
    if (m_help)
        delete m_help.data();
}

template <typename T> T *Form1::place(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    if (const ControlGeometry *g = geometryOf(QLatin1String(name)))
        w->setGeometry(pixelRect(*g));
    return w;
}

void Form1::createControls()
{
    cmdHelp = place(new QPushButton(QStringLiteral("&?"), this), "cmdHelp");

    Frame1 = place(new QFrame(this), "Frame1");
    Frame1->setFrameShape(QFrame::NoFrame);
    const char *models[2] = {"Kordavel", "Kordavel Plus"};
    for (int i = 0; i < 2; ++i) {
        optKordavel[i] = place(new WrapRadioButton(QLatin1String(models[i]), Frame1),
                               i == 0 ? "optKordavel(0)" : "optKordavel(1)");
        optKordavel[i]->setFont(designFont(9.75));
    }
    optKordavel[1]->setChecked(true);
    // Explicit groups: automatic exclusivity would search the whole window and
    // couple the page selector with the option buttons inside the frames.
    exclusiveGroup(optKordavel);

    Option2[1] = place(new WrapRadioButton(QStringLiteral("File Name"), this), "Option2(1)");
    Option2[0] = place(new WrapRadioButton(QStringLiteral("Configuration"), this), "Option2(0)");
    for (QRadioButton *b : Option2)
        b->setFont(designFont(12));
    Option2[0]->setChecked(true);
    exclusiveGroup(Option2);

    frameFileName =
        place(new QGroupBox(QStringLiteral("Select File Name Format"), this), "frameFileName");
    frameSelectFiles =
        place(new QGroupBox(QStringLiteral("Select Files to download"), this), "frameSelectFiles");
    for (QGroupBox *f : {frameFileName, frameSelectFiles}) {
        f->setFont(designFont(9.75));
        useDesignFrameLook(f);
    }

    const char *formats[5] = {"Short File Names (esm/crd)", "European/VDO (DDD)",
                              "French (C1B/V1B)", "Spanish (TGD)", "Duvado Rirozo (DDD)"};
    static const char *formatNames[5] = {"Option1(0)", "Option1(1)", "Option1(2)", "Option1(3)",
                                         "Option1(4)"};
    for (int i = 0; i < 5; ++i) {
        Option1[i] =
            place(new WrapRadioButton(QLatin1String(formats[i]), frameFileName), formatNames[i]);
        Option1[i]->setFont(designFont(12));
    }
    Option1[1]->setChecked(true);
    exclusiveGroup(Option1);

    struct CheckDef
    {
        int index;
        const char *name;
        const char *caption;
        const char *tip;
    };
    static const CheckDef checks[] = {
        {11, "Check11", "Use Start/End Dates", "Available from firmware version 55"},
        {6, "Check6", "Driver Card in VU (if there is one)", "TREP 06"},
        {5, "Check5", "Technical Data", "TREP 05"},
        {3, "Check3", "Events && Faults", "TREP 03"},
        {4, "Check4", "Detailed Speed (24h)", "TREP 04"},
        {2, "Check2", "Daily Activity Records", "TREP 02"},
        {1, "Check1", "Overview (Mandatory)", "TREP 01"},
        {7, "Check7", "Save Card Download Date",
         "For card downloaded direct into Kordavel Plus or Blue"},
        {9, "Check9", "168h Detailed Speed", "168h Detailed Speed available from VDO tachographs"},
        {8, "Check8", "Other VDO Specific Data", "Available from VDO tachographs"},
        {10, "Check10", "4Hz Data", "4Hz Speed Data available from VDO tachographs"},
    };
    for (const CheckDef &c : checks) {
        Check[c.index] =
            place(new WrapCheckBox(QLatin1String(c.caption), frameSelectFiles), c.name);
        Check[c.index]->setToolTip(QLatin1String(c.tip));
    }
    Check[1]->setChecked(true);
    Check[1]->setEnabled(false);

    tbDays = place(new QLineEdit(QStringLiteral("92"), frameSelectFiles), "tbDays");
    tbDays->setFont(designFont(12));
    tbDays->setToolTip(QStringLiteral("Set to zero for 'download since last download'"));

    for (QDateEdit **picker : {&DTPickerEnd, &DTPickerStart}) {
        *picker = place(new QDateEdit(frameSelectFiles),
                        picker == &DTPickerEnd ? "DTPickerEnd" : "DTPickerStart");
        (*picker)->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        (*picker)->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
        (*picker)->setCalendarPopup(true);
    }
    lblEnd = place(new QLabel(QStringLiteral("Download End"), frameSelectFiles), "lblEnd");
    lblStart = place(new QLabel(QStringLiteral("Download Start"), frameSelectFiles), "lblStart");
    Label7 = place(new QLabel(QStringLiteral("Days"), frameSelectFiles), "Label7");
    Label7->setFont(designFont(12));
    for (QWidget *w :
         std::initializer_list<QWidget *>{DTPickerEnd, DTPickerStart, lblEnd, lblStart})
        w->setFont(designFont(9.75));
    for (int i = 1; i <= 11; ++i)
        Check[i]->setFont(designFont(9.75));

    picNoArrow = place(new PictureBox(this), "picNoArrow");
    picArrowDisplay = place(new PictureBox(this), "picArrowDisplay");
    picInArrow = place(new PictureBox(this), "picInArrow");
    picOutArrow = place(new PictureBox(this), "picOutArrow");
    picNoArrow->setImage(blankPicture(picNoArrow->width(), picNoArrow->height()));
    picArrowDisplay->setImage(blankPicture(picArrowDisplay->width(), picArrowDisplay->height()));
    picInArrow->setImage(arrowPicture(true));
    picOutArrow->setImage(arrowPicture(false));
    for (PictureBox *hidden : {picNoArrow, picInArrow, picOutArrow})
        hidden->setVisible(false);

    List1 = place(new QListWidget(this), "List1");
    cmdConfigure = place(new QPushButton(QStringLiteral("&Configure"), this), "cmdConfigure");
    cmdConfigure->setEnabled(false);
    Label2 = place(new QLabel(QStringLiteral("State"), this), "Label2");
    lblState = place(new QLabel(QStringLiteral("0"), this), "lblState");
    lblState->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblSWVersion = place(new QLabel(QStringLiteral("SW Version - "), this), "lblSWVersion");
    lblSWVersion->setFont(designFont(9.75));
    lblSWVersion->installEventFilter(this);
    lblMessage = place(new QLabel(this), "lblMessage");
    lblMessage->setFont(designFont(24));
    lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Image1 = place(new QLabel(this), "Image1");
    Image1->setPixmap(QPixmap::fromImage(devicePicture()));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInstruction = place(new QLabel(QStringLiteral("Disconnect USB"), this), "lblInstruction");
    lblInstruction->setFont(designFont(24));
    lblInstruction->setWordWrap(true);
    lblInstruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblVersion = place(new QLabel(this), "lblVersion");
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1_0 = place(new QLabel(this), "Label1(0)");
    lblNotice = place(new QLabel(this), "lblNotice");
    lblNotice->setWordWrap(true);
    lblNotice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mountButton = place(new QPushButton(QStringLiteral("&Mount"), this), "mountButton");
    mountButton->setToolTip(
        QStringLiteral("Mount the attached drive through the desktop's disk service"));
    mountButton->setVisible(false);
    safeRemoveButton =
        place(new QPushButton(QStringLiteral("&Safely remove"), this), "safeRemoveButton");
    safeRemoveButton->setToolTip(
        QStringLiteral("Unmount the Kordavel and power it off, ready to be unplugged"));
    safeRemoveButton->setVisible(false);

    // Labels draw their text from the top of their box, as the design places
    // them; the toolkit would centre it vertically.
    for (QLabel *label : findChildren<QLabel *>())
        label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);

    // The instruction is drawn over the device picture, the arrow display over
    // the picture's lower left corner.
    lblInstruction->raise();
    picArrowDisplay->raise();

    SettingsControls sc;
    sc.Check = Check;
    sc.tbDays = tbDays;
    sc.Label7 = Label7;
    sc.DTPickerStart = DTPickerStart;
    sc.DTPickerEnd = DTPickerEnd;
    sc.Option1 = Option1;
    sc.optKordavel = optKordavel;
    sc.Option2 = Option2;
    sc.frameSelectFiles = frameSelectFiles;
    sc.frameFileName = frameFileName;
    m_rules = new SettingsRules(
        sc, [this] { return lSoftwareVersion; }, this);
}

void Form1::Form_Load()
{
    setOuterHeightTwips(kShortHeightTwips);
    const QString marker = childPath(m_p.programFolder, QLatin1String(kMarkerFileName));
    m_wide = m_p.files && m_p.files->isFile(marker);
    m_outerWidthTwips = m_wide
                            ? kDesignClientWidthTwips + kDefaultDecoration.width() * kTwipsPerPixel
                            : kNarrowWidthTwips;
    applyOuterSize();
    const QDate today = m_p.clock->today();
    DTPickerStart->setDate(today.addDays(-366));
    DTPickerEnd->setDate(today);
    move(twipsToPixels(kWindowPosTwips), twipsToPixels(kWindowPosTwips));
    const ProgramVersion v = programVersion();
    lblVersion->setText(QStringLiteral("Rev. %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
    Label1_0->setText(QStringLiteral("\u00A9 %1 Kordavel").arg(today.year()));
    cmdHelp->move(cmdHelp->x(), twipsToPixels(kHelpButtonTopTwips));
    dates = computeDateConstants();
}

void Form1::Form_Activate()
{
    lblMessage->clear();
    lState = 0;
}

void Form1::onFocusWindowChanged(QWindow *window)
{
    if (!window)
        return; // the program lost focus to another one: remember where it was
    const bool isMain = window == windowHandle();
    if (isMain && m_lastFocusWasHelp)
        Form_Activate();
    m_lastFocusWasHelp = m_help && window == m_help->windowHandle();
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    applyOuterSize();
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        Form_Activate();
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_timer->stop();
    if (m_help)
        m_help->close();
    event->accept();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblSWVersion && event->type() == QEvent::MouseButtonRelease) {
        lblSWVersion_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::setOuterHeightTwips(int twips)
{
    m_outerHeightTwips = twips;
    applyOuterSize();
}

void Form1::applyOuterSize()
{
    QSize deco = frameGeometry().size() - geometry().size();
    if (deco.width() <= 0 || deco.height() <= 0)
        deco = kDefaultDecoration;
    const int w = m_outerWidthTwips > 0 ? twipsToPixels(m_outerWidthTwips) - deco.width()
                                        : twipsToPixels(kDesignClientWidthTwips);
    setFixedSize(w, twipsToPixels(m_outerHeightTwips) - deco.height());
}

void Form1::inform(const QString &text)
{
    BusyScope busy(m_busy);
    m_p.messageBox->inform(this, QLatin1String(kProgramTitle), text);
}

void Form1::setList(const QStringList &rows)
{
    // Rebuilding an unchanged list twice a second would only flicker.
    bool same = List1->count() == rows.size();
    for (int i = 0; same && i < rows.size(); ++i)
        same = List1->item(i)->text() == rows[i];
    if (same)
        return;
    List1->clear();
    List1->addItems(rows);
}

void Form1::Timer1_Timer()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    lblState->setText(QString::number(lState));
    QStringList rows;
    ScanKordavelDrives(*m_p.drives, *m_p.files, scan, lKordavelCount, rows);
    setList(rows);

    updateMountNotice();

    const FlowStep step = planTick(lState, lKordavelCount);
    for (FlowAction a : step.actions)
        perform(a);
    if (!step.readDevice) {
        lState = step.nextState;
        updateSafeRemove();
        return;
    }
    const ReadOutcome outcome = FindCurrentSettings();
    const FlowStep after = planAfterRead(outcome, familyCodeOf(sVersionData), lSoftwareVersion);
    for (FlowAction a : after.actions)
        perform(a);
    lState = after.nextState;
}

void Form1::updateMountNotice()
{
    // A medium that is attached but not mounted is no drive and cannot be
    // found; say so while waiting for a device, so the user is not left
    // guessing, and offer to mount it where the disk service can.
    m_unmountedDrives.clear();
    if (lState == 0 && lKordavelCount == 0)
        m_unmountedDrives = m_p.drives->unmountedRemovables();
    if (!m_mediaProblem.isEmpty() && m_mediaProblemState != lState)
        m_mediaProblem.clear(); // the flow has moved on
    showNotice();
}

void Form1::showNotice()
{
    const bool canMount = m_p.media && m_p.media->available();
    QString notice;
    if (!m_mediaProblem.isEmpty()) {
        notice = m_mediaProblem;
    } else if (!m_unmountedDrives.isEmpty()) {
        notice = canMount ? QStringLiteral("A removable drive (%1) is attached but not mounted.")
                          : QStringLiteral("A removable drive (%1) is attached but not "
                                           "mounted. Mount it to use it here.");
        notice = notice.arg(m_unmountedDrives.join(QStringLiteral(", ")));
    }
    const bool offerMount = canMount && !m_unmountedDrives.isEmpty();
    if (mountButton->isHidden() == offerMount) {
        mountButton->setVisible(offerMount);
        lblNotice->setGeometry(pixelRect(offerMount ? kNoticeBesideMountButton
                                                    : *geometryOf(QStringLiteral("lblNotice"))));
    }
    if (lblNotice->text() != notice)
        lblNotice->setText(notice);
}

void Form1::updateSafeRemove()
{
    // Offered while the flow waits for the configured device to be unplugged.
    const bool offer = m_p.media && m_p.media->available() && lState == 2 && lKordavelCount == 1;
    if (safeRemoveButton->isHidden() == offer)
        safeRemoveButton->setVisible(offer);
}

void Form1::showMediaProblem(const QString &text)
{
    m_mediaProblem = text;
    m_mediaProblemState = lState;
    showNotice();
}

void Form1::mountDrive()
{
    if (!m_p.media || m_unmountedDrives.isEmpty())
        return;
    showMediaProblem({});
    mountButton->setEnabled(false); // until the service has answered
    m_p.media->mount(m_unmountedDrives.constFirst());
}

void Form1::safelyRemoveDevice()
{
    if (!m_p.media || scan.lDriveIndex < 0 || scan.lDriveIndex >= scan.aDrives.size())
        return;
    showMediaProblem({});
    safeRemoveButton->setEnabled(false);
    m_p.media->safelyRemove(scan.aDrives[scan.lDriveIndex]);
}

void Form1::perform(FlowAction action)
{
    switch (action) {
    case FlowAction::MessageReady:
        lblMessage->setText(QStringLiteral("Ready for next"));
        break;
    case FlowAction::MessageFound:
        lblMessage->setText(QStringLiteral("Kordavel found"));
        break;
    case FlowAction::MessageConfigRead:
        lblMessage->setText(QStringLiteral("Configuration read"));
        break;
    case FlowAction::MessageNotSuitable:
        lblMessage->setText(QLatin1String(kNotSuitableMessage));
        break;
    case FlowAction::MessageSuccess:
        lblMessage->setText(QStringLiteral("Success!"));
        break;
    case FlowAction::ShowSWVersion:
        lblSWVersion->setVisible(true);
        break;
    case FlowAction::HideSWVersion:
        lblSWVersion->setVisible(false);
        break;
    case FlowAction::EnableConfigure:
        cmdConfigure->setEnabled(true);
        break;
    case FlowAction::DisableConfigure:
        cmdConfigure->setEnabled(false);
        break;
    case FlowAction::ArrowIn:
        showArrow(picInArrow);
        break;
    case FlowAction::ArrowOut:
        showArrow(picOutArrow);
        break;
    case FlowAction::ArrowNone:
        showArrow(picNoArrow);
        break;
    case FlowAction::ShowArrowDisplay:
        picArrowDisplay->setVisible(true);
        break;
    case FlowAction::HideArrowDisplay:
        picArrowDisplay->setVisible(false);
        break;
    case FlowAction::InstructionConnect:
        lblInstruction->setText(QStringLiteral("Connect USB"));
        break;
    case FlowAction::InstructionDisconnect:
        lblInstruction->setText(QStringLiteral("Disconnect USB"));
        break;
    case FlowAction::WindowShort:
        setOuterHeightTwips(kShortHeightTwips);
        break;
    case FlowAction::WindowTall:
        setOuterHeightTwips(kTallHeightTwips);
        break;
    case FlowAction::DeleteConfigFile:
        DeleteConfigurationFile();
        break;
    }
}

void Form1::showArrow(PictureBox *src)
{
    m_arrows.showArrow(*picArrowDisplay, *picNoArrow, *src);
}

void Form1::DeleteConfigurationFile()
{
    if (scan.lDriveIndex < 0 || scan.lDriveIndex >= scan.aDrives.size())
        return;
    const QString path =
        m_p.files->resolve(scan.aDrives[scan.lDriveIndex], QStringLiteral("UPDATES/DI999000.HEX"));
    if (!path.isEmpty() && m_p.files->isFile(path))
        m_p.files->remove(path);
}

ReadOutcome Form1::missingFile()
{
    inform(QStringLiteral("Configuration file missing.\r\n") + kReconnectLines);
    return ReadOutcome::Failed;
}

ReadOutcome Form1::rejectFile(const QString &path, bool trapArmed)
{
    m_p.files->setNormal(path);
    if (!m_p.files->remove(path)) {
        // Before the layout check a failing deletion counts as a missing file;
        // after it the failure ends the read without a message.
        return trapArmed ? missingFile() : ReadOutcome::Failed;
    }
    {
        // Let the window breathe while the medium catches up, but never wait forever.
        BusyScope busy(m_busy);
        QElapsedTimer waited;
        waited.start();
        while (!m_p.files->resolve(QFileInfo(path).path(), QFileInfo(path).fileName()).isEmpty() &&
               waited.elapsed() < kDeleteWaitMs) {
            QCoreApplication::processEvents();
            QThread::msleep(kDeleteWaitStepMs);
        }
    }
    inform(QStringLiteral("Configuration file error.\r\n") + kReconnectLines);
    return ReadOutcome::Failed;
}

ReadOutcome Form1::FindCurrentSettings()
{
    bClockEnable = false;
    if (scan.lDriveIndex < 0 || scan.lDriveIndex >= scan.aDrives.size())
        return missingFile();
    const QString path =
        m_p.files->resolve(scan.aDrives[scan.lDriveIndex], QLatin1String(kVersionFilePath));
    if (path.isEmpty())
        return missingFile();
    const Files::ReadResult read = m_p.files->readFile(path, kMaxVersionFileLength);
    if (read.status == Files::ReadStatus::TooLarge)
        return rejectFile(path, true);
    if (read.status != Files::ReadStatus::Ok)
        return missingFile();
    sVersionData = read.data;
    const qsizetype length = sVersionData.size();
    if (length < kMinVersionFileLength)
        return rejectFile(path, true);

    const VersionAssessment a = assessVersionFile(sVersionData, lSoftwareVersion);
    sFamilyCode = a.id.familyCode;
    if (a.verdict == VersionVerdict::BadHeader) {
        inform(QStringLiteral("Kordavel software version value wrong"));
        return rejectFile(path, true);
    }
    switch (a.id.family) {
    case Family::TQ:
    case Family::CR: {
        const bool tq = a.id.family == Family::TQ;
        lSoftwareVersion = a.id.version;
        List1->addItem((tq ? QStringLiteral("Kordavel Software Version: ")
                           : QStringLiteral("DoziziveDE Software Version: ")) +
                       QString::number(lSoftwareVersion));
        // The blank before a non-negative number is its sign position.
        const QString number = lSoftwareVersion < 0
                                   ? QString::number(lSoftwareVersion)
                                   : QLatin1Char(' ') + QString::number(lSoftwareVersion);
        lblSWVersion->setText(
            (tq ? QStringLiteral("SW Version - TQ") : QStringLiteral("SW Version - CR")) + number);
        break;
    }
    case Family::Unknown:
        lblSWVersion->setText(a.id.familyCode + QStringLiteral(" - Unexpected software version"));
        break;
    }
    m_rules->applyIdentification(a.id);

    List1->addItem(QStringLiteral("Version file length: ") + QString::number(length));
    m_rules->loadPeriod(sVersionData);
    m_rules->clearDownloadBoxes();
    if (a.verdict == VersionVerdict::ConfigNotAvailable) {
        lblMessage->setText(QStringLiteral("Config. not available"));
        return ReadOutcome::Read;
    }
    if (a.verdict == VersionVerdict::WrongLength)
        return rejectFile(path, false);

    m_rules->applyLayout(a.layout.layout);
    lExtension = a.extension;
    bClockEnable = a.clockEnable;
    List1->addItem(QStringLiteral("Config. byte: ") + QString::number(lExtension, 16).toUpper());
    m_rules->applyExtension(lExtension);
    m_rules->applyCodeList(sVersionData, 16, a.layout.firstListEnd);
    if (length > 33) {
        m_rules->applyCodeList(sVersionData, 32, int(length) - 1);
        m_rules->applyDates(sVersionData, dates);
    }
    return ReadOutcome::Read;
}

QByteArray Form1::readVersionData(const QString &root, bool *ok)
{
    // Without an UPDATES folder nothing can be read and the previous content
    // stays; a missing file in it reads as empty.
    const QString updates = m_p.files->resolve(root, QStringLiteral("UPDATES"));
    if (updates.isEmpty() || !m_p.files->isDir(updates)) {
        *ok = false;
        return sVersionData;
    }
    const QString path = m_p.files->resolve(root, QLatin1String(kVersionFilePath));
    const Files::ReadResult r = path.isEmpty() ? Files::ReadResult{Files::ReadStatus::Missing, {}}
                                               : m_p.files->readFile(path, kMaxVersionFileLength);
    *ok = r.status == Files::ReadStatus::Ok;
    return r.data;
}

ScreenSettings Form1::screenSettings() const
{
    ScreenSettings s;
    for (int i = 1; i <= 11; ++i)
        s.check[i] = Check[i]->checkState() == Qt::Checked;
    s.tbDays = tbDays->text();
    s.start = DTPickerStart->date();
    s.end = DTPickerEnd->date();
    for (int i = 0; i < 5 && s.option1 < 0; ++i)
        if (Option1[i]->isChecked())
            s.option1 = i;
    s.kordavelPlus = optKordavel[1]->isChecked();
    return s;
}

bool Form1::CreateConfigurationFile()
{
    const ScreenSettings screen = screenSettings();
    lExtension = configurationByte(screen, lExtension, bClockEnable);
    const BuildResult built = buildConfigurationFile(screen, familyCodeOf(sVersionData),
                                                     lSoftwareVersion, lExtension, dates);
    if (built.status == BuildStatus::UnknownFamily) {
        inform(QStringLiteral("Unknown Kordavel type"));
        return false;
    }
    if (built.status != BuildStatus::Ok) {
        inform(built.problem + QStringLiteral("\r\nNo configuration file was written."));
        return false;
    }
    const InstallResult installed = installConfigurationFile(
        *m_p.files, scan.aDrives[scan.lDriveIndex], built.fileName, built.text);
    if (!installed.written) {
        inform(installed.problem + QStringLiteral("\r\nNo configuration file was written."));
        return false;
    }
    List1->addItem(QStringLiteral("Configuration file created"));
    return true;
}

void Form1::cmdConfigure_Click()
{
    BusyScope busy(m_busy);
    cmdConfigure->setEnabled(false);
    lblMessage->clear();
    scan.aDrives = DriveStrings(*m_p.drives).value_or(QStringList());
    List1->clear();
    for (scan.lDriveIndex = 0; scan.lDriveIndex < scan.aDrives.size(); ++scan.lDriveIndex) {
        QString &root = scan.aDrives[scan.lDriveIndex];
        const QString kindText = DriveTypeText(*m_p.drives, root);
        if (kindText != QLatin1String("Removable drive"))
            continue;
        List1->addItem(driveRow(*m_p.drives, root, kindText));
        if (!hasDeviceFolder(*m_p.files, root))
            continue;
        List1->addItem(QStringLiteral("Kordavel found"));
        lblMessage->setText(QStringLiteral("Kordavel found"));
        lKordavelCount = 1;
        bool ok = false;
        sVersionData = readVersionData(root, &ok);
        const bool written = CreateConfigurationFile();
        sVersionData = readVersionData(root, &ok);
        if (!written) {
            // Nothing new is on the device: keep the settings and let the user retry.
            cmdConfigure->setEnabled(true);
            lblMessage->clear();
            lState = 1;
            return;
        }
        DisconnectReconnectKordavel();
        lState = 2;
        updateSafeRemove();
        return;
    }
}

void Form1::DisconnectReconnectKordavel()
{
    lblMessage->clear();
    lblInstruction->setText(QStringLiteral("Disconnect USB"));
    setOuterHeightTwips(kTallHeightTwips);
    if (!m_timer->isActive())
        m_timer->start();
}

void Form1::cmdHelp_Click()
{
    if (m_help)
        delete m_help.data();
    m_help = new frmInfo(lblMessage->text());
    m_help->setWindowIcon(windowIcon());
    m_help->move(frameGeometry().topRight() + QPoint(8, 0));
    m_help->show();
}

void Form1::lblSWVersion_Click()
{
    if (!m_help) {
        m_help = new frmInfo(lblMessage->text());
        m_help->setWindowIcon(windowIcon());
        m_help->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace kordavel
