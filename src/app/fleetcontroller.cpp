#include "fleetcontroller.h"
#include "apptext.h"

#include "cycle/executor.h"
#include "fleet/fleetfiles.h"
#include "layout.h"
#include "mainwindow.h"
#include "platform/desktop.h"
#include "platform/program.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

namespace kordavel {

namespace {
// Marks a menu entry whose state the organisation's policy decides.
constexpr char kDecidedProperty[] = "setByOrganisation";

bool decided(const QAction *action)
{
    return action->property(kDecidedProperty).toBool();
}

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
    m_openAction = add(AppText::tr("&Open fleet standard\u2026"), "openStandardAction",
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
    markSetByOrganisation();
    use(std::nullopt, {});
    m_sending.retry = new QTimer(this);
    m_sending.retry->setSingleShot(true);
    connect(m_sending.retry, &QTimer::timeout, this, &FleetController::sendRecordRows);
    m_checkWait = new QTimer(this);
    m_checkWait->setSingleShot(true);
    connect(m_checkWait, &QTimer::timeout, this, &FleetController::endStandardWait);
}

void FleetController::markSetByOrganisation()
{
    // What the policy decides is shown, and cannot be changed, in the menu;
    // the entry's text says why, for screen readers too.
    const MachinePolicy &policy = m_platform.policy;
    std::vector<QAction *> decidedActions;
    if (policy.fleetStandard)
        decidedActions = {m_openAction, m_stopAction};
    if (policy.applyStandard || (policy.lockStandard && policy.lockStandard->value))
        decidedActions.push_back(m_applyOnReadAction);
    for (QAction *action : decidedActions) {
        action->setText(AppText::tr("%1 (set by your organisation)")
                            .arg(QString(action->text()).remove(QLatin1Char('&'))));
        action->setProperty(kDecidedProperty, true);
    }
}

void FleetController::start()
{
    // Rows an earlier run could not send go first.
    sendRecordRows();
    if (!m_platform.fleetSettingsFile.isEmpty()) {
        const QSettings ini(m_platform.fleetSettingsFile, QSettings::IniFormat);
        m_remembered.standardPath = ini.value(kStandardKey).toString();
        m_remembered.applyOnRead = ini.value(kApplyOnReadKey, false).toBool();
    }
    // The command line's choices hold for this run; what is remembered stays.
    // The organisation's beat both.
    const MachinePolicy &policy = m_platform.policy;
    m_options.applyOnRead = policy.applyStandard
                                ? policy.applyStandard->value
                                : m_remembered.applyOnRead || m_platform.applyStandardForThisRun;
    if (policy.fleetStandard) {
        startPolicyStandard();
        return;
    }
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
            // The remembered file stays remembered; the organisation's choice
            // holds for a standard opened later.
            if (!m_platform.policy.applyStandard)
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

void FleetController::startPolicyStandard()
{
    m_options.locked = m_platform.policy.lockStandard && m_platform.policy.lockStandard->value;
    if (m_options.locked)
        m_window.lockSettings(true);
    if (!m_platform.fleetFiles)
        return;
    m_options.checkedOnEveryDevice = true;
    // The local copy first: it is at hand when the share is slow to answer,
    // and goes to the cycle with the answer or once the wait for it ends.
    m_platform.fleetFiles->readKeptCopy(copyPath(), this, [this](const KeptStandard &copy) {
        if (copy.standard && !m_options.standard) {
            m_copyTaken = copy.copyTaken;
            use(copy.standard, {});
        }
    });
    // A device read before the first answer waits for it.
    m_options.standardArriving = true;
    m_checkWait->start(m_platform.standardCheckBudgetMs);
    startCheck();
    send();
}

QString FleetController::copyPath() const
{
    // One copy per path: a standard the organisation moved elsewhere is never
    // stood in for by the copy of the one it replaced.
    const QByteArray source =
        QDir::toNativeSeparators(m_platform.policy.fleetStandard->value).toUtf8();
    const QString tag = QString::fromLatin1(
        QCryptographicHash::hash(source, QCryptographicHash::Sha256).toHex().left(16));
    const QFileInfo base(m_platform.standardCopyFile);
    return QDir::toNativeSeparators(base.dir().filePath(base.completeBaseName() + QLatin1Char('-') +
                                                        tag + QLatin1Char('.') + base.suffix()));
}

void FleetController::checkStandardAgain(quint64 number)
{
    if (!m_platform.policy.fleetStandard || !m_platform.fleetFiles)
        return;
    m_check.wanted = std::max(m_check.wanted, number);
    if (!m_checkWait->isActive())
        m_checkWait->start(m_platform.standardCheckBudgetMs);
    // One check at a time: a share that stalls holds one request, not one
    // for every device plugged meanwhile. A device that came after the
    // running check began gets a check of its own when that one ends.
    if (!m_check.running)
        startCheck();
}

void FleetController::startCheck()
{
    m_check.running = true;
    m_check.covers = m_check.wanted;
    m_platform.fleetFiles->checkKeptStandard(
        m_platform.policy.fleetStandard->value, copyPath(), this, [this](const KeptStandard &kept) {
            m_check.running = false;
            keep(kept);
            // The devices that asked before this check began have their answer.
            m_options.checksAnswered = std::max(m_options.checksAnswered, m_check.covers);
            m_options.standardArriving = false;
            m_checkWait->stop();
            if (m_check.wanted > m_check.covers) {
                // A device came after this check began: it waits for one of its own.
                startCheck();
                m_checkWait->start(m_platform.standardCheckBudgetMs);
            }
            send();
            showStrip();
        });
}

void FleetController::keep(const KeptStandard &kept)
{
    m_keptProblem = kept.problem;
    if (kept.problem.isEmpty()) {
        m_readFromFile = true;
        m_copyTaken = {};
    } else if (m_readFromFile || !kept.standard) {
        // What was read from the file this run stays: a copy that could not
        // be renewed may be older.
        return;
    } else {
        m_copyTaken = kept.copyTaken;
    }
    if (kept.standard != m_options.standard)
        use(kept.standard, {});
}

void FleetController::endStandardWait()
{
    // The devices waiting take the standard at hand; the answer, when it
    // comes, still holds for the device shown.
    m_keptProblem = AppText::tr("It has not answered within %n seconds.", nullptr,
                                (m_platform.standardCheckBudgetMs + 999) / 1000);
    m_options.checksAnswered = m_check.wanted;
    m_options.standardArriving = false;
    send();
    showStrip();
}

void FleetController::sendRecordRows()
{
    const MachinePolicy &policy = m_platform.policy;
    if (!policy.recordFolder || !m_platform.recordSender)
        return;
    if (m_sending.running) {
        m_sending.again = true;
        return;
    }
    m_sending.running = true;
    m_sending.again = false;
    m_sending.retry->stop();
    const SharedRecord record{m_platform.recordOutbox, policy.recordFolder->value,
                              m_platform.sharedRecordName};
    m_platform.recordSender->sendRecordRows(record, this, [this](const SharedRecordResult &sent) {
        m_sending.running = false;
        m_sending.waiting = sent.waiting;
        m_sending.problem = sent.problem;
        showStrip();
        if (m_sending.again)
            sendRecordRows();
        else if (sent.waiting > 0)
            m_sending.retry->start(m_platform.recordRetryMs);
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
    const QString outbox = m_platform.policy.recordFolder ? m_platform.recordOutbox : QString();
    m_options.record =
        standard ? RecordPaths{m_platform.recordFile, m_platform.pendingRecordFile, outbox}
                 : RecordPaths{};
    const bool active = standard.has_value();
    m_applyAction->setEnabled(active);
    m_applyOnReadAction->setEnabled(active && !decided(m_applyOnReadAction));
    m_stopAction->setEnabled(active && !decided(m_stopAction));
    m_openAction->setEnabled(!decided(m_openAction));
    const QSignalBlocker quiet(m_applyOnReadAction);
    m_applyOnReadAction->setChecked(m_options.applyOnRead || m_options.locked);
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
    if (!m_platform.desktop || !m_platform.fleetFiles || decided(m_openAction))
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
                // The organisation's standard stays the one in force.
                if (!m_platform.policy.fleetStandard)
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
    if (decided(m_applyOnReadAction))
        return;
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
    if (decided(m_stopAction))
        return;
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
    m_report = fleet;
    showStrip();
}

void FleetController::showStrip()
{
    const MachinePolicy &policy = m_platform.policy;
    QStringList lines;
    if (!policy.notUsed.isEmpty())
        lines.append(AppText::tr("Your organisation's policy sets %1 in a way this program cannot "
                                 "use, so it is ignored; kordavel-config --policy says why.")
                         .arg(policy.notUsed.join(QStringLiteral(", "))));
    if (policy.storeUnreadable)
        lines.append(AppText::tr("Part of your organisation's policy cannot be read and is "
                                 "ignored; kordavel-config --policy says why."));
    if (!m_keptProblem.isEmpty()) {
        const QString path = QDir::toNativeSeparators(policy.fleetStandard->value);
        lines.append(
            m_options.standard && m_copyTaken.isValid()
                ? AppText::tr("The fleet standard %1 cannot be used now: %2 The copy taken "
                              "from it on %3 is in force.")
                      .arg(path, m_keptProblem,
                           QLocale().toString(m_copyTaken, QLocale::ShortFormat))
            : m_options.standard
                ? AppText::tr("The fleet standard %1 cannot be used now: %2 The one read from "
                              "it before is in force.")
                      .arg(path, m_keptProblem)
                : AppText::tr("The fleet standard %1 cannot be used now: %2 No copy of it has "
                              "been taken on this computer yet.")
                      .arg(path, m_keptProblem));
    }
    if (m_sending.waiting > 0)
        lines.append(
            AppText::tr("%n row(s) of the record wait to go to %1: %2.", nullptr, m_sending.waiting)
                .arg(QDir::toNativeSeparators(policy.recordFolder->value), m_sending.problem));
    if (m_report.standardName)
        lines.append(fleetReportText(*m_report.standardName, m_report.check, m_report.applied));
    const bool shown = !lines.isEmpty();
    // A CR unit is read on every tick: the same text again would reset the
    // strip's scrolling each time.
    const QString text = lines.join(QLatin1Char('\n'));
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
