#include "mainwindow.h"
#include "apptext.h"

#include "cycle/executor.h"
#include "fleetcontroller.h"
#include "helpwindows.h"
#include "later.h"
#include "layout.h"
#include "look/look.h"
#include "mediaoffer.h"
#include "pictures.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/program.h"
#include "platform/ticker.h"
#include "settingscontrols.h"
#include "windowcontrols.h"
#include "windowsize.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace kordavel {

namespace {
// The download start offered at start-up lies this many days before today.
constexpr int kDefaultDaysBeforeToday = 366;
constexpr qreal kWindowFontPoints = 8.25;
} // namespace

MainWindow::MainWindow(const Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform),
      m_controls(std::make_unique<MainWindowControls>(buildMainWindowControls(this)))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QLatin1String(kWindowCaption));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(designFont(kWindowFontPoints));
    m_rules = new SettingsRules(*m_controls, this);
    const bool wide = m_platform.files->isFile(
        childPath(m_platform.programFolder, QLatin1String(kWideLayoutMarker)));
    m_size = std::make_unique<WindowSize>(*this, *m_controls, wide);
    const MainWindowControls &c = *m_controls;
    m_media = new MediaOffer(m_platform.media, *m_platform.executor,
                             {c.mountNoticeLabel, c.mountButton, c.safeRemoveButton}, this);
    m_fleet = new FleetController(
        m_platform,
        {this, c.fleetButton, c.fleetReport, [this](const QString &text) { inform(text); },
         [this](const QString &question) { return ask(question); },
         [this] { return screenSettings(); }, [this](bool locked) { m_rules->lock(locked); }},
        this);
    m_help = new HelpWindows(
        *this, [this] { restartFlow(); }, this);
    connect(m_fleet, &FleetController::stripShownChanged, this,
            [this] { m_size->setStripShown(m_fleet->stripShown()); });
    connectControls();
    loadStartupState();
    m_fleet->start();
    m_platform.ticker->start();
    // The icon and the device picture (which the short window does not show)
    // take about as long to draw as all the controls take to build; they are
    // drawn once the window is on the screen, so that it appears sooner.
    callLater(this, 0, [this] { drawPictures(); });
}

MainWindow::~MainWindow()
{
    for (; m_configure.pending > 0; --m_configure.pending) // answers that never came
        QGuiApplication::restoreOverrideCursor();
}

void MainWindow::connectControls()
{
    const MainWindowControls &c = *m_controls;
    c.softwareVersionLabel->installEventFilter(this);
    // After the rules have moved the pages.
    connect(c.downloadPageButton, &QRadioButton::toggled, this,
            [this] { m_size->hideWhatLiesOutside(); });
    connect(m_platform.executor, &CycleExecutor::reported, this, &MainWindow::performReport);
    connect(m_platform.ticker, &Ticker::ticked, this, &MainWindow::onPollTick);
    connect(c.configureButton, &QPushButton::clicked, this, &MainWindow::configureDevice);
    connect(c.helpButton, &QPushButton::clicked, this, [this] {
        drawPictures(); // the help window takes the main window's icon
        m_help->open(helpTopic());
    });
}

void MainWindow::loadStartupState()
{
    const MainWindowControls &c = *m_controls;
    setHeightTwips(kShortHeightTwips);
    const QDate today = m_platform.clock->today();
    c.downloadStartPicker->setDate(today.addDays(-kDefaultDaysBeforeToday));
    c.downloadEndPicker->setDate(today);
    move(twipsToPixels(kWindowPosTwips), twipsToPixels(kWindowPosTwips));
    const ProgramVersion v = programVersion();
    c.programVersionLabel->setText(
        AppText::tr("Rev. %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
    c.copyrightLabel->setText(QStringLiteral("\u00A9 %1 Kordavel").arg(today.year()));
    c.helpButton->move(c.helpButton->x(), twipsToPixels(kHelpButtonTopTwips));
}

void MainWindow::drawPictures()
{
    if (!m_controls->devicePicture->pixmap().isNull())
        return; // drawn already
    setWindowIcon(programIcon());
    drawDevicePicture(*m_controls);
}

void MainWindow::onPollTick()
{
    if (m_busy > 0)
        return; // a message box is open: the tick after it scans instead
    m_platform.executor->requestTick();
}

void MainWindow::configureDevice()
{
    if (m_configure.pending > 0)
        return; // one is on its way to the device
    for (FlowAction a : planConfigureStart())
        perform(a);
    // The device may take a while; the window stays usable meanwhile.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    ++m_configure.pending;
    m_platform.executor->requestConfigure(screenSettings());
}

void MainWindow::restartFlow()
{
    m_platform.executor->requestRestart();
}

DeviceSettings MainWindow::screenSettings() const
{
    const MainWindowControls &c = *m_controls;
    DeviceSettings s;
    for (DownloadBox b : kAllDownloadBoxes)
        s.setChecked(b, c.box(b)->checkState() == Qt::Checked);
    s.daysBack = c.daysBackEdit->text();
    s.downloadStart = c.downloadStartPicker->date();
    s.downloadEnd = c.downloadEndPicker->date();
    for (int f = 0; f < kFileNameFormatCount && !s.fileNameFormat; ++f)
        if (c.fileNameFormatButtons[std::size_t(f)]->isChecked())
            s.fileNameFormat = FileNameFormat(f);
    s.kordavelPlus = c.modelKordavelPlusButton->isChecked();
    return s;
}

void MainWindow::showStatus(Status status)
{
    static const char *const texts[] = {
        "",
        QT_TRANSLATE_NOOP("kordavel::app", "Ready for next"),
        QT_TRANSLATE_NOOP("kordavel::app", "Kordavel found"),
        QT_TRANSLATE_NOOP("kordavel::app", "Configuration read"),
        QT_TRANSLATE_NOOP("kordavel::app", "Config. not available"),
        QT_TRANSLATE_NOOP("kordavel::app", "Not Suitable"),
        QT_TRANSLATE_NOOP("kordavel::app", "Success!"),
        QT_TRANSLATE_NOOP("kordavel::app", "Finishing Configure\u2026"),
    };
    static_assert(std::size(texts) == std::size_t(Status::Finishing) + 1);
    m_status = status;
    m_controls->statusLabel->setText(
        status == Status::None ? QString() : AppText::tr(texts[std::size_t(status)]));
}

HelpTopic MainWindow::helpTopic() const
{
    return m_status == Status::NotSuitable ? HelpTopic::NotSuitable : HelpTopic::Instructions;
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_size->apply();
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        restartFlow();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_platform.ticker->stop();
    // A Configure on its way is carried to its end (the file in place, its
    // record row, its message answered) before the window goes, for as long
    // as a slow medium needs; a device that does not answer within the
    // budget is left to the end of the process.
    if (m_configure.pending > 0 && !m_configure.budgetSpent) {
        event->ignore();
        if (!m_configure.closeAfter)
            holdClose();
        return;
    }
    m_help->close();
    event->accept();
}

void MainWindow::holdClose()
{
    m_configure.closeAfter = true;
    showStatus(Status::Finishing);
    // Nothing new is begun that the close would cut: no file dialog or
    // question of the fleet's is open when it comes.
    m_controls->fleetButton->setEnabled(false);
    callLater(this, m_platform.configureCloseBudgetMs, [this] {
        if (m_configure.pending == 0)
            return; // its report is being shown: the close follows it
        m_configure.budgetSpent = true;
        close();
    });
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls->softwareVersionLabel &&
        event->type() == QEvent::MouseButtonRelease) {
        drawPictures();
        m_help->bringToFront(helpTopic());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setHeightTwips(int twips)
{
    if (twips == kTallHeightTwips)
        drawPictures(); // the tall window shows the device
    m_size->setHeightTwips(twips);
}

void MainWindow::inform(const QString &text)
{
    ++m_busy; // ticks that fall due while the box is open are skipped
    m_platform.messageBox->inform(this, QLatin1String(kProgramTitle), text);
    --m_busy;
}

bool MainWindow::ask(const QString &question)
{
    ++m_busy;
    const bool yes = m_platform.messageBox->ask(this, QLatin1String(kProgramTitle), question);
    --m_busy;
    return yes;
}

} // namespace kordavel
