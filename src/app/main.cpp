#include "commandline.h"
#include "cycle/executor.h"
#include "drives_table.h"
#include "fleet/fleetfiles.h"
#include "language.h"
#include "mainwindow.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/messagebox.h"
#include "platform/program.h"
#include "platform/ticker.h"
#include "policy.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>

namespace {

// How long a closed program waits for the device work to end. A call that a
// stalled device holds does not end sooner for waiting; the process ends
// without it.
constexpr int kWorkerStopBudgetMs = 500;

// A drive table named by KORDAVEL_DRIVE_TABLE stands in for the machine's own
// drives, so that the program can be run against a simulated device.
std::unique_ptr<kordavel::Drives> makeDrives()
{
    const QString table = qEnvironmentVariable("KORDAVEL_DRIVE_TABLE");
    if (!table.isEmpty())
        return std::make_unique<kordavel::TableDrives>(table);
    return kordavel::makeOsDrives();
}

const QString kProgramName = QStringLiteral("kordavel-config");

// What the command line asks for, read before the window toolkit starts, so
// that --help and a wrong argument need no display and never show a box.
kordavel::CommandLine readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    {
        // The arguments as the system passed them (on Windows in full Unicode).
        const QCoreApplication probe(argc, argv);
        arguments = QCoreApplication::arguments();
    }
    const kordavel::ProgramVersion v = kordavel::programVersion();
    const QString version = QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
    return kordavel::parseCommandLine(arguments, version);
}

// What the command line asks for besides running: its answer, and the status
// to end with; nothing when the program is to run.
std::optional<int> answerCommandLine(const kordavel::CommandLine &line,
                                     const kordavel::MachinePolicy &policy)
{
    using kordavel::CommandLine;
    using kordavel::ConsoleStream;
    switch (line.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        kordavel::writeToConsole(line.text, ConsoleStream::Output);
        return 0;
    case CommandLine::Action::ShowPolicy:
        kordavel::writeToConsole(kordavel::policyReport(policy), ConsoleStream::Output);
        return 0;
    case CommandLine::Action::Refuse:
        kordavel::writeToConsole(line.text, ConsoleStream::Error);
        return kordavel::kBadUsageStatus;
    case CommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

// Each policy value the program cannot use, named once per start.
void namePolicyProblems(const kordavel::MachinePolicy &policy)
{
    for (const QString &problem : policy.problems)
        kordavel::writeToConsole(kProgramName + QStringLiteral(": policy: ") + problem +
                                     QLatin1Char('\n'),
                                 kordavel::ConsoleStream::Error);
}

// A line on the console for each fleet option of the command line that the
// organisation's policy decides instead.
void nameOverriddenOptions(const kordavel::CommandLine &line, const kordavel::MachinePolicy &policy)
{
    auto say = [](const QString &option, const QString &origin) {
        kordavel::writeToConsole(
            QStringLiteral("%1: %2 is not used: your organisation's policy decides it (%3).\n")
                .arg(kProgramName, option, origin),
            kordavel::ConsoleStream::Error);
    };
    if (!line.standardPath.isEmpty() && policy.fleetStandard)
        say(QStringLiteral("--standard"), policy.fleetStandard->origin);
    if (line.applyStandard && policy.applyStandard)
        say(QStringLiteral("--apply-standard"), policy.applyStandard->origin);
}

// The standard the command line names, checked before any window: a file it
// cannot use ends the program with the reason on the console. The policy's
// standard beats it, unread.
std::variant<std::optional<kordavel::FleetStandard>, int>
standardOfCommandLine(const kordavel::CommandLine &line, const kordavel::MachinePolicy &policy)
{
    if (line.standardPath.isEmpty() || policy.fleetStandard)
        return std::optional<kordavel::FleetStandard>();
    auto loaded = kordavel::loadFleetStandard(kordavel::systemFiles(), line.standardPath);
    if (const QString *problem = std::get_if<QString>(&loaded)) {
        kordavel::writeToConsole(
            QStringLiteral("%1: %2: %3\n")
                .arg(kProgramName, QDir::toNativeSeparators(line.standardPath), *problem),
            kordavel::ConsoleStream::Error);
        return kordavel::kBadUsageStatus;
    }
    return std::optional(std::get<kordavel::FleetStandard>(loaded));
}

// A file of the program's in the user's folder of the given kind.
QString userFile(QStandardPaths::StandardLocation kind, const char *name)
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(kind) + QLatin1Char('/') +
                                    QLatin1String(name));
}

// This computer's file in the organisation's record folder: its name, with
// what a file name cannot hold made an underscore.
QString sharedRecordName()
{
    QString name = QSysInfo::machineHostName();
    for (QChar &c : name)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_' && c != u'.')
            c = u'_';
    if (name.isEmpty())
        name = QStringLiteral("computer");
    // A name Windows keeps for a device (CON, NUL, COM1, ...) would be none.
    static const QRegularExpression reserved(QStringLiteral("^(con|prn|aux|nul|com\\d|lpt\\d)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(name).hasMatch())
        name.prepend(u'_');
    return name + QStringLiteral(".csv");
}

// What the window is given of the machine: the machine's own services, with
// the worker, the standard's files and the ticker made here.
kordavel::Platform machinePlatform(kordavel::CycleExecutor &executor,
                                   kordavel::FleetFiles &fleetFiles,
                                   kordavel::FleetFiles &recordSender, kordavel::Ticker &ticker,
                                   kordavel::MediaService *media)
{
    kordavel::Platform platform;
    platform.executor = &executor;
    platform.files = &kordavel::systemFiles();
    platform.clock = &kordavel::systemClock();
    platform.ticker = &ticker;
    platform.messageBox = &kordavel::systemMessageBox();
    platform.media = media;
    platform.programFolder = kordavel::programFolder();
    platform.desktop = &kordavel::systemDesktop();
    platform.fleetFiles = &fleetFiles;
    platform.recordSender = &recordSender;
    platform.fleetSettingsFile =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
        QStringLiteral("/fleet.ini");
    platform.recordFile = userFile(QStandardPaths::AppDataLocation, "configure-record.csv");
    platform.pendingRecordFile =
        userFile(QStandardPaths::AppLocalDataLocation, "pending-record-rows.txt");
    platform.standardCopyFile =
        userFile(QStandardPaths::AppLocalDataLocation, "organisation-standard-copy.json");
    platform.sharedRecordName = sharedRecordName();
    // One outbox per computer, also where a home folder is shared by several.
    platform.recordOutbox = userFile(QStandardPaths::AppLocalDataLocation, "record-outbox-") +
                            QFileInfo(platform.sharedRecordName).completeBaseName();
    return platform;
}

} // namespace

int main(int argc, char *argv[])
{
    const kordavel::CommandLine line = readCommandLine(argc, argv);
    const kordavel::MachinePolicy policy =
        kordavel::policyInForce(kordavel::readMachinePolicy(), kordavel::supportedLanguages());
    if (const std::optional<int> answered = answerCommandLine(line, policy))
        return *answered;
    namePolicyProblems(policy);
    const kordavel::AskedLanguage language = kordavel::askedLanguage(line.language, policy);
    if (!language.overridden.isEmpty())
        kordavel::writeToConsole(kProgramName + QStringLiteral(": ") + language.overridden +
                                     QLatin1Char('\n'),
                                 kordavel::ConsoleStream::Error);
    nameOverriddenOptions(line, policy);
    auto standard = standardOfCommandLine(line, policy);
    if (const int *refused = std::get_if<int>(&standard))
        return *refused;

    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every window caption.
    QApplication::setApplicationName(kProgramName);
    // The window's language. The toolkit's own translations are looked for
    // beside the program (the Windows folder ships them), then in the
    // toolkit's folder (Debian's, on Linux).
    const auto translators = kordavel::installLanguage(
        kordavel::chooseLanguage(language.code, QLocale::system().uiLanguages()),
        {kordavel::programFolder() + QStringLiteral("/translations"),
         QLibraryInfo::path(QLibraryInfo::TranslationsPath)});

    const std::unique_ptr<kordavel::Drives> drives = makeDrives();
    kordavel::WorkerExecutor executor(*drives, kordavel::systemFiles());
    kordavel::FleetFiles fleetFiles(kordavel::systemFiles());
    kordavel::FleetFiles recordSender(kordavel::systemFiles());
    kordavel::TimerTicker ticker(kordavel::kPollIntervalMs);
    const std::unique_ptr<kordavel::MediaService> media = kordavel::makeMediaService();
    kordavel::Platform platform =
        machinePlatform(executor, fleetFiles, recordSender, ticker, media.get());
    platform.standardForThisRun = std::get<std::optional<kordavel::FleetStandard>>(standard);
    platform.applyStandardForThisRun = line.applyStandard;
    platform.policy = policy;

    int status = 0;
    {
        kordavel::MainWindow window(platform);
        window.show();
        status = QApplication::exec();
    }
    // Both threads are asked to end at once, then given the budget together.
    const QDeadlineTimer budget(kWorkerStopBudgetMs);
    fleetFiles.stop(0);
    recordSender.stop(0);
    if (!executor.stop(int(budget.remainingTime())) ||
        !fleetFiles.stop(int(budget.remainingTime())) ||
        !recordSender.stop(int(budget.remainingTime()))) {
        // A thread is inside a call the device or a share holds; the system
        // ends it with the process, and nothing here may be torn down under it.
        kordavel::endProcessNow(status);
    }
    return status;
}
