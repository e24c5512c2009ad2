#include "fleetcontroller.h"
#include "apptext.h"

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

QString standardFileFilter()
{
    return AppText::tr("Fleet standard (*.json);;All files (*)");
}

} // namespace

FleetController::FleetController(const Platform &platform, Window window, QObject *parent)
    : QObject(parent), m_platform(platform), m_window(std::move(window))
{
    buildMenu();
}

void FleetController::buildMenu()
{
    auto *menu = new QMenu(m_window.widget);
    menu->setObjectName(QStringLiteral("fleetMenu"));
    auto add = [menu, this](const QString &text, const char *name,
                            void (FleetController::*slot)()) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(AppText::tr("&Open fleet standard\u2026"), "openStandardAction",
        &FleetController::openStandard);
    add(AppText::tr("&Save as fleet standard\u2026"), "saveStandardAction",
        &FleetController::saveStandard);
    menu->addSeparator();
    m_applyAction = menu->addAction(AppText::tr("&Apply standard"));
    m_applyAction->setObjectName(QStringLiteral("applyStandardAction"));
    connect(m_applyAction, &QAction::triggered, this,
            [this] { m_platform.executor->requestApplyStandard(); });
    m_applyOnReadAction = menu->addAction(AppText::tr("Apply the standard to &every device read"));
    m_applyOnReadAction->setObjectName(QStringLiteral("applyOnReadAction"));
    m_applyOnReadAction->setCheckable(true);
    connect(m_applyOnReadAction, &QAction::toggled, this, &FleetController::setApplyOnRead);
    menu->addSeparator();
    add(AppText::tr("Open &record"), "openRecordAction", &FleetController::openRecord);
    menu->addSeparator();
    m_stopAction = add(AppText::tr("S&top using the standard"), "stopStandardAction",
                       &FleetController::stopUsingStandard);
    // The menu opens below the button; the button draws no menu arrow, which
    // would not fit beside the sign.
    QToolButton *button = m_window.button;
    connect(button, &QToolButton::clicked, this,
            [button, menu] { menu->popup(button->mapToGlobal(button->rect().bottomLeft())); });
    use(std::nullopt, {});
}

void FleetController::start()
{
    if (!m_platform.fleetSettingsFile.isEmpty()) {
        const QSettings ini(m_platform.fleetSettingsFile, QSettings::IniFormat);
        m_remembered.standardPath = ini.value(kStandardKey).toString();
        m_remembered.applyOnRead = ini.value(kApplyOnReadKey, false).toBool();
    }
    // The command line's choices hold for this run; what is remembered stays.
    m_options.applyOnRead = m_remembered.applyOnRead || m_platform.applyStandardForThisRun;
    if (m_platform.standardForThisRun) {
        use(m_platform.standardForThisRun, {});
        send();
        return;
    }
    if (m_remembered.standardPath.isEmpty() || !m_platform.fleetFiles)
        return;
    // The remembered file may be on a share that is away or a stick that
    // stalls: it is read beside the window, which shows it when it comes.
    // A standard that puts itself on the screen holds Configure till then.
    m_options.standardArriving = m_options.applyOnRead;
    if (m_options.standardArriving)
        send();
    const QString path = m_remembered.standardPath;
    m_platform.fleetFiles->loadStandard(path, this, [this, path](const StandardLoad &loaded) {
        m_options.standardArriving = false;
        if (const QString *problem = std::get_if<QString>(&loaded)) {
            // The remembered file stays remembered.
            m_options.applyOnRead = false;
            send();
            informOfStart(AppText::tr("The fleet standard %1 could not be read: %2")
                              .arg(QDir::toNativeSeparators(path), *problem));
            return;
        }
        use(std::get<FleetStandard>(loaded), path);
        send();
    });
}

void FleetController::informOfStart(const QString &problem)
{
    // A run that a script started with its own fleet options is never held by a box.
    if (m_platform.applyStandardForThisRun)
        writeToConsole(problem + QLatin1Char('\n'), ConsoleStream::Error);
    else
        m_window.inform(problem);
}

void FleetController::use(const std::optional<FleetStandard> &standard, const QString &path)
{
    m_options.standard = standard;
    m_standardPath = path;
    // The record is kept while a standard is active: without one the program
    // writes no file of its own.
    m_options.record =
        standard ? RecordPaths{m_platform.recordFile, m_platform.pendingRecordFile} : RecordPaths{};
    const bool active = standard.has_value();
    m_applyAction->setEnabled(active);
    m_applyOnReadAction->setEnabled(active);
    m_stopAction->setEnabled(active);
    const QSignalBlocker quiet(m_applyOnReadAction);
    m_applyOnReadAction->setChecked(m_options.applyOnRead);
}

void FleetController::send()
{
    m_platform.executor->requestFleet(m_options);
}

void FleetController::remember() const
{
    if (m_platform.fleetSettingsFile.isEmpty())
        return;
    QSettings ini(m_platform.fleetSettingsFile, QSettings::IniFormat);
    ini.setValue(kStandardKey, m_remembered.standardPath);
    ini.setValue(kApplyOnReadKey, m_remembered.applyOnRead);
}

void FleetController::openStandard()
{
    if (!m_platform.desktop || !m_platform.fleetFiles)
        return;
    const QString path = m_platform.desktop->chooseFileToOpen(
        m_window.widget, AppText::tr("Open fleet standard"), standardFileFilter());
    if (path.isEmpty())
        return;
    m_platform.fleetFiles->loadStandard(path, this, [this, path](const StandardLoad &loaded) {
        if (const QString *problem = std::get_if<QString>(&loaded)) {
            m_window.inform(AppText::tr("The fleet standard %1 was not opened: %2")
                                .arg(QDir::toNativeSeparators(path), *problem));
            return;
        }
        adopt(std::get<FleetStandard>(loaded), path);
    });
}

void FleetController::saveStandard()
{
    if (!m_platform.desktop || !m_platform.fleetFiles)
        return;
    const std::variant<DeviceSettings, QString> settings =
        fleetSettingsOf(m_window.screenSettings());
    if (const QString *problem = std::get_if<QString>(&settings)) {
        m_window.inform(AppText::tr("These settings cannot be a fleet standard: %1").arg(*problem));
        return;
    }
    QString path = m_platform.desktop->chooseFileToSave(
        m_window.widget, AppText::tr("Save as fleet standard"), standardFileFilter());
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
                                 std::get<DeviceSettings>(settings)};
    if (const std::optional<QString> problem = standardNameProblem(standard.name)) {
        m_window.inform(AppText::tr("The fleet standard %1 was not saved: %2")
                            .arg(QDir::toNativeSeparators(path), *problem));
        return;
    }
    write(path, standard, replace);
}

void FleetController::write(const QString &path, const FleetStandard &standard, bool replace)
{
    m_platform.fleetFiles->saveStandard(
        path, standard, replace, this,
        [this, path, standard](StandardSave saved, const QString &problem) {
            const QString shown = QDir::toNativeSeparators(path);
            switch (saved) {
            case StandardSave::Saved:
                adopt(standard, path);
                break;
            case StandardSave::Exists:
                if (m_window.ask(
                        AppText::tr("%1 already exists.\nDo you want to replace it?").arg(shown)))
                    write(path, standard, true);
                break;
            case StandardSave::Failed:
                m_window.inform(
                    AppText::tr("The fleet standard %1 was not saved: %2").arg(shown, problem));
                break;
            }
        });
}

void FleetController::adopt(const FleetStandard &standard, const QString &path)
{
    // Chosen in the menu: active now, and again at the next start.
    use(standard, path);
    m_remembered.standardPath = path;
    remember();
    send();
}

void FleetController::setApplyOnRead(bool on)
{
    // The user's own choice in the menu: kept for the next start too.
    m_options.applyOnRead = on;
    m_remembered.applyOnRead = on;
    remember();
    send();
}

void FleetController::openRecord()
{
    if (!m_platform.desktop)
        return;
    if (m_platform.recordFile.isEmpty() || !QFileInfo::exists(m_platform.recordFile)) {
        m_window.inform(AppText::tr("No Configure has been recorded yet. While a fleet standard is "
                                    "active, every Configure is recorded."));
        return;
    }
    if (!m_platform.desktop->openInDefaultProgram(m_platform.recordFile))
        m_window.inform(AppText::tr("The record %1 could not be opened.")
                            .arg(QDir::toNativeSeparators(m_platform.recordFile)));
}

void FleetController::stopUsingStandard()
{
    // A standard for this run only leaves the remembered one as it was.
    if (!m_standardPath.isEmpty()) {
        m_remembered.standardPath.clear();
        remember();
    }
    use(std::nullopt, {});
    send();
}

void FleetController::showReport(const show::FleetReport &fleet)
{
    const bool shown = fleet.standardName.has_value();
    // A CR unit is read on every tick: the same text again would reset the
    // strip's scrolling each time.
    const QString text =
        shown ? fleetReportText(*fleet.standardName, fleet.check, fleet.applied) : QString();
    if (shown && text != m_window.strip->toPlainText())
        m_window.strip->setPlainText(text);
    if (shown == m_stripShown)
        return;
    m_stripShown = shown;
    m_window.strip->setVisible(shown);
    // Over the pictures of the tall window, which lie below the short one.
    m_window.strip->raise();
    Q_EMIT stripShownChanged();
}

} // namespace kordavel
