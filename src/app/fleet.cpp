// The fleet features of the window: the menu behind the fleet button, the
// active standard and what is remembered of it, and the strip that shows how
// the device read last compares with it. The check itself is the cycle's.
#include "cycle/executor.h"
#include "fleet/fleetfiles.h"
#include "layout.h"
#include "mainwindow.h"
#include "platform/desktop.h"
#include "platform/program.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

namespace kordavel {

namespace {
const QString kStandardKey = QStringLiteral("fleet/standard");
const QString kApplyOnReadKey = QStringLiteral("fleet/applyToEveryDeviceRead");
} // namespace

QString MainWindow::standardFileFilter()
{
    return tr("Fleet standard (*.json);;All files (*)");
}

void MainWindow::buildFleetMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("fleetMenu"));
    auto add = [menu, this](const QString &text, const char *name, void (MainWindow::*slot)()) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(tr("&Open fleet standard\u2026"), "openStandardAction", &MainWindow::openFleetStandard);
    add(tr("&Save as fleet standard\u2026"), "saveStandardAction", &MainWindow::saveFleetStandard);
    menu->addSeparator();
    m_applyAction =
        add(tr("&Apply standard"), "applyStandardAction", &MainWindow::applyFleetStandard);
    m_applyOnReadAction = menu->addAction(tr("Apply the standard to &every device read"));
    m_applyOnReadAction->setObjectName(QStringLiteral("applyOnReadAction"));
    m_applyOnReadAction->setCheckable(true);
    connect(m_applyOnReadAction, &QAction::toggled, this, &MainWindow::setApplyStandardOnRead);
    menu->addSeparator();
    add(tr("Open &record"), "openRecordAction", &MainWindow::openRecord);
    menu->addSeparator();
    m_stopAction = add(tr("S&top using the standard"), "stopStandardAction",
                       &MainWindow::stopUsingFleetStandard);
    // The menu opens below the button; the button draws no menu arrow, which
    // would not fit beside the sign.
    connect(m_controls.fleetButton, &QToolButton::clicked, this, [this, menu] {
        menu->popup(
            m_controls.fleetButton->mapToGlobal(m_controls.fleetButton->rect().bottomLeft()));
    });
    useFleetStandard(std::nullopt, {});
}

void MainWindow::startFleet()
{
    if (!m_p.fleetSettingsFile.isEmpty()) {
        const QSettings ini(m_p.fleetSettingsFile, QSettings::IniFormat);
        m_remembered.standardPath = ini.value(kStandardKey).toString();
        m_remembered.applyOnRead = ini.value(kApplyOnReadKey, false).toBool();
    }
    // The command line's choices hold for this run; what is remembered stays.
    m_fleet.applyOnRead = m_remembered.applyOnRead || m_p.applyStandardForThisRun;
    if (m_p.standardForThisRun) {
        useFleetStandard(m_p.standardForThisRun, {});
        sendFleetOptions();
        return;
    }
    if (m_remembered.standardPath.isEmpty() || !m_p.fleetFiles)
        return;
    // The remembered file may be on a share that is away or a stick that
    // stalls: it is read beside the window, which shows it when it comes.
    // A standard that puts itself on the screen holds Configure till then.
    m_fleet.standardArriving = m_fleet.applyOnRead;
    if (m_fleet.standardArriving)
        sendFleetOptions();
    const QString path = m_remembered.standardPath;
    m_p.fleetFiles->loadStandard(path, this, [this, path](const StandardLoad &loaded) {
        m_fleet.standardArriving = false;
        if (const QString *problem = std::get_if<QString>(&loaded)) {
            // The remembered file stays remembered.
            m_fleet.applyOnRead = false;
            sendFleetOptions();
            informOfFleetStart(tr("The fleet standard %1 could not be read: %2")
                                   .arg(QDir::toNativeSeparators(path), *problem));
            return;
        }
        useFleetStandard(std::get<FleetStandard>(loaded), path);
        sendFleetOptions();
    });
}

void MainWindow::informOfFleetStart(const QString &problem)
{
    // A run that a script started with its own fleet options is never held by a box.
    if (m_p.applyStandardForThisRun)
        writeToConsole(problem + QLatin1Char('\n'), ConsoleStream::Error);
    else
        inform(problem);
}

void MainWindow::useFleetStandard(const std::optional<FleetStandard> &standard, const QString &path)
{
    m_fleet.standard = standard;
    m_standardPath = path;
    // The record is kept while a standard is active: without one the program
    // writes no file of its own.
    m_fleet.record = standard ? RecordPaths{m_p.recordFile, m_p.pendingRecordFile} : RecordPaths{};
    const bool active = standard.has_value();
    m_applyAction->setEnabled(active);
    m_applyOnReadAction->setEnabled(active);
    m_stopAction->setEnabled(active);
    const QSignalBlocker quiet(m_applyOnReadAction);
    m_applyOnReadAction->setChecked(m_fleet.applyOnRead);
}

void MainWindow::sendFleetOptions()
{
    m_p.executor->requestFleet(m_fleet);
}

void MainWindow::rememberFleet() const
{
    if (m_p.fleetSettingsFile.isEmpty())
        return;
    QSettings ini(m_p.fleetSettingsFile, QSettings::IniFormat);
    ini.setValue(kStandardKey, m_remembered.standardPath);
    ini.setValue(kApplyOnReadKey, m_remembered.applyOnRead);
}

void MainWindow::openFleetStandard()
{
    if (!m_p.desktop || !m_p.fleetFiles)
        return;
    const QString path =
        m_p.desktop->chooseFileToOpen(this, tr("Open fleet standard"), standardFileFilter());
    if (path.isEmpty())
        return;
    m_p.fleetFiles->loadStandard(path, this, [this, path](const StandardLoad &loaded) {
        if (const QString *problem = std::get_if<QString>(&loaded)) {
            inform(tr("The fleet standard %1 was not opened: %2")
                       .arg(QDir::toNativeSeparators(path), *problem));
            return;
        }
        adoptFleetStandard(std::get<FleetStandard>(loaded), path);
    });
}

void MainWindow::saveFleetStandard()
{
    if (!m_p.desktop || !m_p.fleetFiles)
        return;
    const std::variant<FleetSettings, QString> settings = fleetSettingsOf(screenSettings());
    if (const QString *problem = std::get_if<QString>(&settings)) {
        inform(tr("These settings cannot be a fleet standard: %1").arg(*problem));
        return;
    }
    QString path =
        m_p.desktop->chooseFileToSave(this, tr("Save as fleet standard"), standardFileFilter());
    if (path.isEmpty())
        return;
    // The dialog asked before replacing the file chosen; with the suffix
    // added it is another file, which it did not ask about.
    bool replace = true;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".json");
        replace = false;
    }
    // The file's name names the standard, as the user chose it.
    const FleetStandard standard{QFileInfo(path).completeBaseName(),
                                 std::get<FleetSettings>(settings)};
    if (const std::optional<QString> problem = standardNameProblem(standard.name)) {
        inform(tr("The fleet standard %1 was not saved: %2")
                   .arg(QDir::toNativeSeparators(path), *problem));
        return;
    }
    writeFleetStandard(path, standard, replace);
}

void MainWindow::writeFleetStandard(const QString &path, const FleetStandard &standard,
                                    bool replace)
{
    m_p.fleetFiles->saveStandard(
        path, standard, replace, this,
        [this, path, standard](StandardSave saved, const QString &problem) {
            const QString shown = QDir::toNativeSeparators(path);
            switch (saved) {
            case StandardSave::Saved:
                adoptFleetStandard(standard, path);
                break;
            case StandardSave::Exists:
                if (ask(tr("%1 already exists.\nDo you want to replace it?").arg(shown)))
                    writeFleetStandard(path, standard, true);
                break;
            case StandardSave::Failed:
                inform(tr("The fleet standard %1 was not saved: %2").arg(shown, problem));
                break;
            }
        });
}

void MainWindow::adoptFleetStandard(const FleetStandard &standard, const QString &path)
{
    // Chosen in the menu: active now, and again at the next start.
    useFleetStandard(standard, path);
    m_remembered.standardPath = path;
    rememberFleet();
    sendFleetOptions();
}

void MainWindow::applyFleetStandard()
{
    m_p.executor->requestApplyStandard();
}

void MainWindow::setApplyStandardOnRead(bool on)
{
    // The user's own choice in the menu: kept for the next start too.
    m_fleet.applyOnRead = on;
    m_remembered.applyOnRead = on;
    rememberFleet();
    sendFleetOptions();
}

void MainWindow::openRecord()
{
    if (!m_p.desktop)
        return;
    if (m_p.recordFile.isEmpty() || !QFileInfo::exists(m_p.recordFile)) {
        inform(tr("No Configure has been recorded yet. While a fleet standard is "
                  "active, every Configure is recorded."));
        return;
    }
    if (!m_p.desktop->openInDefaultProgram(m_p.recordFile))
        inform(
            tr("The record %1 could not be opened.").arg(QDir::toNativeSeparators(m_p.recordFile)));
}

void MainWindow::stopUsingFleetStandard()
{
    // A standard for this run only leaves the remembered one as it was.
    if (!m_standardPath.isEmpty()) {
        m_remembered.standardPath.clear();
        rememberFleet();
    }
    useFleetStandard(std::nullopt, {});
    sendFleetOptions();
}

void MainWindow::showFleetReport(const show::FleetReport &fleet)
{
    const bool shown = fleet.standardName.has_value();
    // A CR unit is read on every tick: the same text again would reset the
    // strip's scrolling each time.
    const QString text =
        shown ? fleetReportText(*fleet.standardName, fleet.check, fleet.applied) : QString();
    if (shown && text != m_controls.fleetReport->toPlainText())
        m_controls.fleetReport->setPlainText(text);
    if (shown == m_fleetStripShown)
        return;
    m_fleetStripShown = shown;
    m_controls.fleetReport->setVisible(shown);
    // Over the pictures of the tall window, which lie below the short one.
    m_controls.fleetReport->raise();
    applyOuterSize();
}

} // namespace kordavel
