#include "mainwindow.h"

#include "cycle/executor.h"
#include "layout.h"
#include "look/look.h"
#include "pictures.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/messagebox.h"
#include "platform/program.h"
#include "platform/ticker.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace kordavel {

namespace {
// The download start offered at start-up lies this many days before today.
constexpr int kDefaultDaysBeforeToday = 366;
// Gap between the main window and a help window opened beside it, in pixels.
constexpr int kHelpWindowGap = 8;
constexpr qreal kWindowFontPoints = 8.25;
} // namespace

MainWindow::MainWindow(const Platform &platform, QWidget *parent) : QWidget(parent), m_p(platform)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QLatin1String(kWindowCaption));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(designFont(kWindowFontPoints));
    m_controls = buildMainWindowControls(this);
    m_controls.softwareVersionLabel->installEventFilter(this);
    m_rules = new SettingsRules(m_controls, this);
    // After the rules have moved the pages.
    connect(m_controls.downloadPageButton, &QRadioButton::toggled, this,
            &MainWindow::hideWhatLiesOutside);
    connect(m_p.executor, &CycleExecutor::reported, this, &MainWindow::performReport);

    connect(m_p.ticker, &Ticker::ticked, this, &MainWindow::onPollTick);
    connect(m_controls.configureButton, &QPushButton::clicked, this, &MainWindow::configureDevice);
    connect(m_controls.helpButton, &QPushButton::clicked, this, &MainWindow::openHelp);
    connect(m_controls.mountButton, &QPushButton::clicked, this, &MainWindow::mountDrive);
    connect(m_controls.safeRemoveButton, &QPushButton::clicked, this,
            &MainWindow::safelyRemoveDevice);
    connectMediaService();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::onFocusWindowChanged);

    buildFleetMenu();
    loadStartupState();
    startFleet();
    m_p.ticker->start();
    // The icon and the device picture (which the short window does not show)
    // take about as long to draw as all the controls take to build; they are
    // drawn once the window is on the screen, so that it appears sooner.
    auto *drawSoon = new QTimer(this);
    drawSoon->setSingleShot(true);
    connect(drawSoon, &QTimer::timeout, this, &MainWindow::drawPictures);
    connect(drawSoon, &QTimer::timeout, drawSoon, &QObject::deleteLater);
    drawSoon->start(0);
}

void MainWindow::drawPictures()
{
    if (m_picturesDrawn)
        return;
    m_picturesDrawn = true;
    setWindowIcon(programIcon());
    drawDevicePicture(m_controls);
}

MainWindow::~MainWindow()
{
    if (m_help)
        delete m_help.data();
    for (; m_configuresPending > 0; --m_configuresPending) // answers that never came
        QGuiApplication::restoreOverrideCursor();
}

void MainWindow::connectMediaService()
{
    if (!m_p.media)
        return;
    QPushButton *mount = m_controls.mountButton;
    QPushButton *remove = m_controls.safeRemoveButton;
    connect(m_p.media, &MediaService::mounted, this, [this, mount] {
        mount->setEnabled(true);
        showMediaProblem({}); // the next tick finds the drive
    });
    connect(m_p.media, &MediaService::mountFailed, this,
            [this, mount](const QString &, const QString &reason) {
                mount->setEnabled(true);
                showMediaProblem(reason);
            });
    connect(m_p.media, &MediaService::removed, this, [this, remove] {
        remove->setEnabled(true);
        remove->setVisible(false); // the next tick sees the drive gone
        showMediaProblem({});
    });
    connect(m_p.media, &MediaService::removeFailed, this,
            [this, remove](const QString &, const QString &reason) {
                remove->setEnabled(true);
                showMediaProblem(reason);
            });
}

void MainWindow::loadStartupState()
{
    setOuterHeightTwips(kShortHeightTwips);
    const QString marker = childPath(m_p.programFolder, QLatin1String(kWideLayoutMarker));
    m_wide = m_p.files->isFile(marker);
    m_outerWidthTwips = m_wide ? kWideClientWidthTwips + kDefaultDecoration.width() * kTwipsPerPixel
                               : kNarrowWidthTwips;
    applyOuterSize();
    const QDate today = m_p.clock->today();
    m_controls.downloadStartPicker->setDate(today.addDays(-kDefaultDaysBeforeToday));
    m_controls.downloadEndPicker->setDate(today);
    move(twipsToPixels(kWindowPosTwips), twipsToPixels(kWindowPosTwips));
    const ProgramVersion v = programVersion();
    m_controls.programVersionLabel->setText(
        tr("Rev. %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
    m_controls.copyrightLabel->setText(QStringLiteral("\u00A9 %1 Kordavel").arg(today.year()));
    m_controls.helpButton->move(m_controls.helpButton->x(), twipsToPixels(kHelpButtonTopTwips));
}

void MainWindow::showStatus(Status status)
{
    QString text;
    switch (status) {
    case Status::None:
        break;
    case Status::ReadyForNext:
        text = tr("Ready for next");
        break;
    case Status::KordavelFound:
        text = tr("Kordavel found");
        break;
    case Status::ConfigurationRead:
        text = tr("Configuration read");
        break;
    case Status::ConfigNotAvailable:
        text = tr("Config. not available");
        break;
    case Status::NotSuitable:
        text = tr("Not Suitable");
        break;
    case Status::Success:
        text = tr("Success!");
        break;
    case Status::Finishing:
        text = tr("Finishing Configure\u2026");
        break;
    }
    m_status = status;
    m_controls.statusLabel->setText(text);
}

void MainWindow::onFocusWindowChanged(QWindow *window)
{
    if (!window)
        return; // the program lost focus to another one: remember where it was
    const bool isMain = window == windowHandle();
    if (isMain && m_lastFocusWasHelp)
        restartFlow();
    m_lastFocusWasHelp = m_help && window == m_help->windowHandle();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    applyOuterSize();
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        restartFlow();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_p.ticker->stop();
    // A Configure on its way is carried to its end (the file in place, its
    // record row, its message answered) before the window goes, for as long
    // as a slow medium needs; a device that does not answer within the
    // budget is left to the end of the process.
    if (m_configuresPending > 0 && !m_closeBudgetSpent) {
        event->ignore();
        if (!m_closeAfterConfigure) {
            m_closeAfterConfigure = true;
            showStatus(Status::Finishing);
            // Nothing new is begun that the close would cut: no file dialog or
            // question of the fleet's is open when it comes.
            m_controls.fleetButton->setEnabled(false);
            auto *budget = new QTimer(this);
            budget->setSingleShot(true);
            connect(budget, &QTimer::timeout, this, [this] {
                if (m_configuresPending == 0)
                    return; // its report is being shown: the close follows it
                m_closeBudgetSpent = true;
                close();
            });
            budget->start(m_p.configureCloseBudgetMs);
        }
        return;
    }
    if (m_help)
        m_help->close();
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.softwareVersionLabel && event->type() == QEvent::MouseButtonRelease) {
        showHelp();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setOuterHeightTwips(int twips)
{
    if (twips == kTallHeightTwips)
        drawPictures(); // the tall window shows the device
    m_outerHeightTwips = twips;
    applyOuterSize();
}

void MainWindow::applyOuterSize()
{
    // Sizes are given for the outer window; the client area is what remains
    // after the window system's title bar and borders.
    QSize client = clientSizeForOuterTwips(*this, m_outerWidthTwips, m_outerHeightTwips);
    if (m_outerWidthTwips <= 0)
        client.setWidth(twipsToPixels(kWideClientWidthTwips));
    // What the controls can be seen in: the strip below covers whatever of
    // them would reach into it.
    m_inView = QRect(QPoint(0, 0), client);
    // The fleet strip lies below everything else, across the whole window.
    if (m_fleetStripShown) {
        const int strip = twipsToPixels(kFleetStripTwips);
        m_controls.fleetReport->setGeometry(0, client.height(), client.width(), strip);
        client.rheight() += strip;
    }
    setFixedSize(client);
    hideWhatLiesOutside();
    // The arrow display (which the flow shows and hides) tells assistive
    // technology itself whether it lies in view; that may have changed.
    QAccessible::State inViewOrNot;
    inViewOrNot.invisible = true;
    inViewOrNot.offscreen = true;
    QAccessibleStateChangeEvent changed(m_controls.arrowDisplay, inViewOrNot);
    QAccessible::updateAccessibility(&changed);
}

void MainWindow::hideWhatLiesOutside()
{
    // Only controls that nothing else shows or hides: the others are shown
    // by the flow only where the window reaches them.
    const MainWindowControls &c = m_controls;
    for (QWidget *w : std::initializer_list<QWidget *>{
             c.modelFrame, c.fileNamePage, c.downloadPage, c.driveLog, c.stateCaptionLabel,
             c.stateLabel, c.devicePicture, c.instructionLabel}) {
        const bool outside = !m_inView.intersects(w->geometry());
        const qsizetype hiddenHere = m_outOfView.indexOf(w);
        if (outside && hiddenHere < 0) {
            w->setVisible(false);
            m_outOfView.append(w);
        } else if (!outside && hiddenHere >= 0) {
            m_outOfView.removeAt(hiddenHere);
            w->setVisible(true);
        }
    }
}

void MainWindow::inform(const QString &text)
{
    BusyScope busy(*this);
    m_p.messageBox->inform(this, QLatin1String(kProgramTitle), text);
}

bool MainWindow::ask(const QString &question)
{
    BusyScope busy(*this);
    return m_p.messageBox->ask(this, QLatin1String(kProgramTitle), question);
}

HelpWindow *MainWindow::newHelpWindow()
{
    drawPictures(); // the help window takes the main window's icon
    auto *help = new HelpWindow(m_status == Status::NotSuitable ? HelpTopic::NotSuitable
                                                                : HelpTopic::Instructions);
    help->setWindowIcon(windowIcon());
    help->move(frameGeometry().topRight() + QPoint(kHelpWindowGap, 0));
    return help;
}

void MainWindow::openHelp()
{
    if (m_help)
        delete m_help.data();
    m_help = newHelpWindow();
    m_help->show();
}

void MainWindow::showHelp()
{
    if (!m_help)
        m_help = newHelpWindow();
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void MainWindow::mountDrive()
{
    if (!m_p.media || m_unmountedDrives.isEmpty())
        return;
    showMediaProblem({});
    m_controls.mountButton->setEnabled(false); // until the service has answered
    m_p.media->mount(m_unmountedDrives.constFirst());
}

void MainWindow::safelyRemoveDevice()
{
    if (!m_p.media || m_safeRemovalRoot.isEmpty())
        return;
    showMediaProblem({});
    m_controls.safeRemoveButton->setEnabled(false);
    m_p.media->safelyRemove(m_safeRemovalRoot);
}

void MainWindow::showMediaProblem(const QString &text)
{
    m_p.executor->requestMediaProblem(text);
}

} // namespace kordavel
