// The fleet features as the user meets them: the one new button, the strip,
// applying a standard (byte for byte what setting the same by hand writes),
// saving and opening standards, and the command line.
#include "app/commandline.h"
#include "app/layout.h"
#include "fleet/fleetcheck.h"
#include "support/testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

using D = DownloadBox;

FleetStandard northDepot()
{
    FleetStandard s{QStringLiteral("North depot"), {}};
    for (D d : {D::Activities, D::EventsFaults, D::TechnicalData, D::OtherVdoData, D::Speed4Hz,
                D::Speed168h})
        s.settings.setChecked(d, true);
    s.settings.daysBack = daysBackText(28);
    s.settings.useDates(DateRange{QDate(2025, 3, 1), QDate(2025, 3, 31)});
    s.settings.setChecked(DownloadBox::SaveCardDate, true);
    s.settings.fileNameFormat = FileNameFormat::Spanish;
    return s;
}

QString stripOf(const Harness &h)
{
    return controlsOf(*h.window).fleetReport->isVisible() ||
                   !controlsOf(*h.window).fleetReport->isHidden()
               ? controlsOf(*h.window).fleetReport->toPlainText()
               : QString();
}

void trigger(const Harness &h, const char *action)
{
    auto *a = h.window->findChild<QMenu *>("fleetMenu")->findChild<QAction *>(action);
    ASSERT_TRUE(a) << action;
    ASSERT_TRUE(a->isEnabled()) << action;
    a->trigger();
    h.window.awaitFleetFiles();
}

// What a user sets by hand for a standard: only the controls they can reach.
void setByHand(MainWindow &w, const DeviceSettings &s)
{
    const WindowControls &c = controlsOf(w);
    for (const DownloadItem &item : settableDownloadItems()) {
        QCheckBox *box = c.box(item.box);
        if (box->isEnabled() && box->isChecked() != s.isChecked(item.box))
            box->click();
    }
    c.daysBackEdit->setText(QString::number(s.daysBackCount()));
    if (c.useDatesBox->isEnabled()) {
        if (c.useDatesBox->isChecked() != s.isChecked(DownloadBox::UseDates))
            c.useDatesBox->click();
        if (s.isChecked(DownloadBox::UseDates)) {
            c.downloadStartPicker->setDate(s.downloadStart);
            c.downloadEndPicker->setDate(s.downloadEnd);
        }
    }
    if (c.saveCardDateBox->isChecked() != s.isChecked(DownloadBox::SaveCardDate))
        c.saveCardDateBox->click();
    QRadioButton *format = c.formatButton(s.fileNameFormat.value());
    if (format->isVisibleTo(c.fileNamePage))
        format->click();
}

} // namespace

TEST(FleetWindow, WithoutAStandardOnlyTheButtonIsNewAndTheStripComesAndGoesWithOne)
{
    Harness h;
    const WindowControls &c = controlsOf(*h.window);
    EXPECT_TRUE(c.fleetReport->isHidden());
    for (const char *off : {"applyStandardAction", "applyOnReadAction", "stopStandardAction"})
        EXPECT_FALSE(
            h.window->findChild<QMenu *>("fleetMenu")->findChild<QAction *>(off)->isEnabled())
            << off;
    const QSize plain = h.window->size();

    QTemporaryDir dir;
    const QString path = dir.filePath("north.json");
    QString problem;
    ASSERT_TRUE(saveFleetStandard(systemFiles(), path, northDepot(), &problem));
    h.desktop.answers = {path};
    trigger(h, "openStandardAction");
    EXPECT_FALSE(c.fleetReport->isHidden());
    EXPECT_EQ(h.window->size(), plain + QSize(0, twipsToPixels(kFleetStripTwips)));
    EXPECT_EQ(c.fleetReport->geometry().top(), plain.height()) << "below every other control";
    // What the short window does not reach stays out of view under the strip.
    EXPECT_TRUE(c.instructionLabel->isHidden());
    EXPECT_TRUE(c.devicePicture->isHidden());
    EXPECT_EQ(stripOf(h), "Fleet standard \"North depot\" is active. A device read is compared "
                          "with it.");

    trigger(h, "stopStandardAction");
    EXPECT_TRUE(c.fleetReport->isHidden());
    EXPECT_EQ(h.window->size(), plain);
}

// A device of each layout the flow configures, read with the standard applied
// by itself: Configure writes the very file that setting the same by hand
// writes, and after the replug the device matches.
TEST(FleetWindow, TheAppliedStandardWritesWhatTheSameSettingsSetByHandWrite)
{
    const struct
    {
        const char *name;
        QByteArray version;
    } devices[] = {
        {"TQ 25 (A)", versionFile("TQ000025HEX", 21, {{16, QByteArray::fromHex("0102FFFF")}})},
        {"TQ 30 (B, VDO and 4 Hz tied)", versionFile("TQ000030HEX", 25, {{24, "\xF5"}})},
        {"TQ 54 (C)", exampleLayoutC()},
    };
    for (const auto &device : devices) {
        SCOPED_TRACE(device.name);
        // The first device takes it from the menu, the others by themselves.
        const bool byItself = &device != &devices[0];
        QTemporaryDir data;
        const QString record = data.filePath("record.csv");
        QByteArray applied;
        {
            Harness h;
            h.adjustPlatform = [&](Platform &p) {
                p.standardForThisRun = northDepot();
                p.applyStandardForThisRun = byItself;
                p.recordFile = record;
            };
            h.create();
            DeviceDir dev(device.version);
            h.plug(dev.root());
            h.tick();
            if (!byItself)
                trigger(h, "applyStandardAction");
            EXPECT_TRUE(stripOf(h).startsWith("This device differs from the fleet standard "
                                              "\"North depot\""))
                << stripOf(h).toStdString();
            h.configureAndUnplug(dev.root());
            applied = readAll(dev.path("UPDATES/DI999000.HEX"));
            ASSERT_FALSE(applied.isEmpty());
            // The device takes the file up: its version file now says what was written.
            h.plug(dev.root());
            h.tick();
            EXPECT_EQ(h.window.cycle().state(), FlowState::Configured);
            EXPECT_TRUE(h.messages.texts.isEmpty()) << h.messages.texts.join('|').toStdString();
            trigger(h, "openRecordAction");
            EXPECT_EQ(h.desktop.opened, QStringList{record});
        }
        {
            Harness h;
            DeviceDir dev(device.version);
            h.plug(dev.root());
            h.tick();
            setByHand(*h.window, northDepot().settings);
            h.configure();
            EXPECT_EQ(readAll(dev.path("UPDATES/DI999000.HEX")), applied);
        }
        const QByteArray rows = readAll(record);
        EXPECT_EQ(rows.count(QByteArray("\n\0", 2)), 3) << "the header, written and success";
    }
}

// A standard saved from the screen of each layout's device is that device's
// settings: opened again it matches the device. A bad file changes nothing,
// and the standard chosen is there at the next start.
TEST(FleetWindow, ASavedStandardMatchesItsDeviceABadOneChangesNothingAndTheChoiceIsKept)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("config/fleet.ini");
    const QByteArray devices[] = {
        versionFile("TQ000025HEX", 21, {{11, QByteArray::fromHex("0024EA00")}}),
        versionFile("TQ000030HEX", 25, {{16, QByteArray::fromHex("010211FFFF")}, {24, "\xB5"}}),
        exampleLayoutC(),
        versionFile("CR000054HEX", 80, {{31, "\xA5"}}),
    };
    for (const QByteArray &version : devices) {
        SCOPED_TRACE(version.left(11).toStdString());
        Harness h;
        h.adjustPlatform = [&](Platform &p) { p.fleetSettingsFile = ini; };
        h.create();
        DeviceDir dev(version);
        h.plug(dev.root());
        h.tick();
        const QString saved = dir.filePath(QString::fromLatin1(version.left(8)));
        h.desktop.answers = {saved};
        trigger(h, "saveStandardAction");
        // Back from the file, against the device still shown.
        trigger(h, "stopStandardAction");
        h.desktop.answers = {saved + ".json"};
        trigger(h, "openStandardAction");
        EXPECT_TRUE(stripOf(h).startsWith(QStringLiteral("This device matches the fleet "
                                                         "standard \"%1\".")
                                              .arg(QLatin1String(version.left(8)))))
            << stripOf(h).toStdString();
    }

    Harness h;
    h.adjustPlatform = [&](Platform &p) { p.fleetSettingsFile = ini; };
    h.create();
    EXPECT_TRUE(stripOf(h).contains("\"CR000054\" is active")) << "remembered";
    {
        SCOPED_TRACE("a name typed without .json names a file that exists: asked first");
        const QString existing = dir.filePath("CR000054.json");
        const QByteArray before = readAll(existing);
        controlsOf(*h.window).daysBackEdit->setText("9");
        h.desktop.answers = {dir.filePath("CR000054")};
        trigger(h, "saveStandardAction");
        ASSERT_EQ(h.messages.questions.size(), 1);
        EXPECT_EQ(h.messages.questions[0], QDir::toNativeSeparators(existing) +
                                               " already exists.\nDo you want to replace it?");
        EXPECT_EQ(readAll(existing), before) << "answered no";
        h.messages.answer = true;
        h.desktop.answers = {dir.filePath("CR000054")};
        trigger(h, "saveStandardAction");
        h.window.awaitFleetFiles(); // the replace asked for after the question
        EXPECT_TRUE(readAll(existing).contains("\"daysBack\": 9")) << readAll(existing).constData();
        // A file name the loader would refuse as a name: nothing is written.
        const QString tooLong = dir.filePath(QString(101, 'x'));
        h.desktop.answers = {tooLong};
        trigger(h, "saveStandardAction");
        ASSERT_EQ(h.messages.texts.size(), 1);
        EXPECT_TRUE(h.messages.texts[0].endsWith("may have at most 100 characters."));
        EXPECT_FALSE(QFile::exists(tooLong + ".json"));
        h.messages.texts.clear();
        h.messages.questions.clear();
        h.messages.titles.clear();
    }
    writeFile(dir.filePath("bad.json"),
              "{\"format\": \"kordavel-fleet-standard\", \"version\": 7}");
    h.desktop.answers = {dir.filePath("bad.json")};
    trigger(h, "openStandardAction");
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_TRUE(h.messages.texts[0].endsWith("a version this program does not read (it reads "
                                             "version 1)."))
        << h.messages.texts[0].toStdString();
    EXPECT_TRUE(stripOf(h).contains("\"CR000054\" is active")) << "the active one stays";
    trigger(h, "openRecordAction");
    EXPECT_EQ(h.messages.texts.size(), 2) << "nothing recorded yet: said so";

    // The remembered file gone: said once the window is up, and no standard.
    QFile::remove(dir.filePath("CR000054.json"));
    h.create();
    ASSERT_TRUE(waitUntil([&] { return h.messages.texts.size() == 3; }, 2000));
    EXPECT_TRUE(h.messages.texts[2].contains("CR000054.json could not be read"));
    EXPECT_TRUE(stripOf(h).isEmpty());
}

TEST(CommandLine, TakesItsOptionsLeavesTheToolkitsAndRefusesEverythingElse)
{
    using A = CommandLine::Action;
    const struct
    {
        QStringList args;
        A action;
        const char *says;
        const char *standard;
        bool apply;
        const char *language;
    } cases[] = {
        {{}, A::Run, "", "", false, ""},
        {{"--standard", "n.json", "--apply-standard"}, A::Run, "", "n.json", true, ""},
        {{"--standard=n.json"}, A::Run, "", "n.json", false, ""},
        {{"-platform", "offscreen", "-style=fusion", "-reverse"}, A::Run, "", "", false, ""},
        {{"--help"}, A::ShowHelp, "Usage: kordavel-config [options]", "", false, ""},
        {{"-h"}, A::ShowHelp, "--apply-standard", "", false, ""},
        {{"--version"}, A::ShowVersion, "kordavel-config 1.2.3\n", "", false, ""},
        {{"--bogus"}, A::Refuse, "Unknown option 'bogus'", "", false, ""},
        {{"--lang", "de"}, A::Run, "", "", false, "de"},
        {{"--lang=xx", "--lang", "pl"}, A::Run, "", "", false, "pl"},
        {{"--lang"}, A::Refuse, "Missing value after '--lang'", "", false, ""},
        {{"--lang="}, A::Refuse, "--lang needs a language code", "", false, ""},
        {{"file.json"}, A::Refuse, "unexpected argument 'file.json'", "", false, ""},
        {{"--standard"}, A::Refuse, "Missing value after '--standard'", "", false, ""},
        {{"--standard", "a", "--standard", "b"}, A::Refuse, "more than once", "", false, ""},
    };
    for (const auto &c : cases) {
        const CommandLine line =
            parseCommandLine(QStringList{"kordavel-config"} + c.args, QStringLiteral("1.2.3"));
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(line.action, c.action);
        EXPECT_TRUE(line.text.contains(QLatin1String(c.says))) << line.text.toStdString();
        EXPECT_EQ(line.standardPath, c.standard);
        EXPECT_EQ(line.applyStandard, c.apply);
        EXPECT_EQ(line.language, c.language);
        if (c.action == A::Refuse) {
            EXPECT_TRUE(line.text.endsWith("Run kordavel-config --help to see what it takes.\n"));
        }
    }
}

// The organisation's policy as a user meets it: the entries it decides are
// disabled and say why, a value it cannot use is named in the strip, its
// locked standard's settings take no input, an edit on the share holds from
// the next device on, and the local copy holds while the share is away.
TEST(FleetWindow, ThePolicysLockedStandardHoldsFromTheShareOrItsCopy)
{
    QTemporaryDir share;
    QTemporaryDir local;
    const QString path = share.filePath("north.json");
    QString problem;
    ASSERT_TRUE(saveFleetStandard(systemFiles(), path, northDepot(), &problem));
    Harness h;
    h.adjustPlatform = [&](Platform &p) {
        const QString key = QStringLiteral("HKLM\\SOFTWARE\\Policies\\Kordavel\\Configuration");
        p.policy.fleetStandard = PolicySetting<QString>{path, key};
        p.policy.lockStandard = PolicySetting<bool>{true, key};
        p.policy.notUsed = {QStringLiteral("Colour")};
        p.standardCopyFile = local.filePath("copy.json");
        p.fleetSettingsFile = local.filePath("fleet.ini");
    };
    h.create();
    const auto *menu = h.window->findChild<QMenu *>("fleetMenu");
    for (const char *decided : {"openStandardAction", "stopStandardAction", "applyOnReadAction"}) {
        const QAction *a = menu->findChild<QAction *>(decided);
        EXPECT_FALSE(a->isEnabled()) << decided;
        EXPECT_TRUE(a->text().endsWith(" (set by your organisation)")) << decided;
    }
    EXPECT_TRUE(menu->findChild<QAction *>("applyOnReadAction")->isChecked());
    EXPECT_TRUE(menu->findChild<QAction *>("saveStandardAction")->isEnabled());
    EXPECT_TRUE(stripOf(h).startsWith("Your organisation's policy sets Colour in a way"));
    EXPECT_TRUE(stripOf(h).contains("\"North depot\" is active"));

    const WindowControls &c = controlsOf(*h.window);
    DeviceDir first(exampleLayoutC());
    h.plug(first.root());
    h.tick();
    h.window.awaitFleetFiles();
    EXPECT_TRUE(c.configureButton->isEnabled());
    EXPECT_EQ(c.daysBackEdit->text(), " 28");
    EXPECT_TRUE(c.downloadPage->accessibleDescription().contains("fleet standard"));
    // After the read's own rules, nothing on the pages takes input.
    for (QWidget *control :
         c.downloadPage->findChildren<QWidget *>() + c.fileNamePage->findChildren<QWidget *>())
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    const bool technicalData = c.technicalDataBox->isChecked();
    QTest::mouseClick(c.technicalDataBox, Qt::LeftButton);
    c.daysBackEdit->setFocus();
    QTest::keyClicks(c.daysBackEdit, "5");
    EXPECT_EQ(c.technicalDataBox->isChecked(), technicalData);
    EXPECT_EQ(c.daysBackEdit->text(), " 28");

    FleetStandard south = northDepot();
    south.name = QStringLiteral("South depot");
    south.settings.daysBack = daysBackText(14);
    ASSERT_TRUE(saveFleetStandard(systemFiles(), path, south, &problem));
    h.unplug(first.root());
    h.tick();
    DeviceDir second(exampleLayoutC());
    h.plug(second.root());
    h.tick();
    h.window.awaitFleetFiles();
    EXPECT_EQ(c.daysBackEdit->text(), " 14") << "the edit holds from the next device on";
    EXPECT_TRUE(stripOf(h).contains("\"South depot\""));

    ASSERT_TRUE(share.remove());
    h.unplug(second.root());
    h.tick();
    DeviceDir third(exampleLayoutC());
    h.plug(third.root());
    h.tick();
    h.window.awaitFleetFiles();
    EXPECT_EQ(c.daysBackEdit->text(), " 14");
    EXPECT_TRUE(c.configureButton->isEnabled());
    EXPECT_TRUE(stripOf(h).contains(QDir::toNativeSeparators(path) +
                                    " cannot be used now: There is no such file. The one read "
                                    "from it before is in force."))
        << stripOf(h).toStdString();

    h.create(); // started again while the share is away: the local copy holds
    h.tick();
    h.window.awaitFleetFiles();
    EXPECT_EQ(controlsOf(*h.window).daysBackEdit->text(), " 14");
    EXPECT_TRUE(stripOf(h).contains(" cannot be used now: There is no such file. The copy taken "
                                    "from it on "))
        << stripOf(h).toStdString();
}

// What is remembered for the next start is what the user chose in the menu,
// never a choice of the command line; without a choice nothing is written.
TEST(FleetWindow, OnlyTheMenusChoicesAreRememberedAndNothingIsWrittenWithoutOne)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("config/fleet.ini");
    const QString record = dir.filePath("data/record.csv");
    const QString first = dir.filePath("first.json");
    const QString second = dir.filePath("second.json");
    QString problem;
    ASSERT_TRUE(saveFleetStandard(systemFiles(), first, {QStringLiteral("First"), {}}, &problem));
    ASSERT_TRUE(saveFleetStandard(systemFiles(), second, {QStringLiteral("Second"), {}}, &problem));
    auto remembered = [&] {
        const QSettings s(ini, QSettings::IniFormat);
        return QStringLiteral("%1 %2").arg(s.value("fleet/standard").toString(),
                                           s.value("fleet/applyToEveryDeviceRead").toString());
    };
    {
        Harness h; // never chosen: a whole Configure writes no file of the program's own
        h.adjustPlatform = [&](Platform &p) {
            p.fleetSettingsFile = ini;
            p.recordFile = record;
        };
        h.create();
        DeviceDir dev(exampleLayoutC());
        h.plug(dev.root());
        h.tick();
        h.configure();
        ASSERT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
        EXPECT_FALSE(QFile::exists(ini));
        EXPECT_FALSE(QFile::exists(record));
        h.desktop.answers = {first};
        trigger(h, "openStandardAction");
        EXPECT_EQ(remembered(), first + " false");
    }
    {
        Harness h; // a run with its own standard, stopped: the remembered one stays
        h.adjustPlatform = [&](Platform &p) {
            p.fleetSettingsFile = ini;
            p.standardForThisRun = FleetStandard{QStringLiteral("Run"), {}};
            p.applyStandardForThisRun = true;
        };
        h.create();
        EXPECT_TRUE(stripOf(h).contains("\"Run\" is active"));
        trigger(h, "stopStandardAction");
        EXPECT_EQ(remembered(), first + " false");
    }
    {
        Harness h; // --apply-standard on the remembered one, then another opened
        h.adjustPlatform = [&](Platform &p) {
            p.fleetSettingsFile = ini;
            p.applyStandardForThisRun = true;
        };
        h.create();
        EXPECT_TRUE(stripOf(h).contains("\"First\" is active"));
        h.desktop.answers = {second};
        trigger(h, "openStandardAction");
        EXPECT_EQ(remembered(), second + " false") << "--apply-standard is for the run only";
        trigger(h, "applyOnReadAction");
        EXPECT_EQ(remembered(), second + " false") << "it was on: the menu turned it off";
    }
}
