// The whole cycle through the real main window and the simulated device: what
// the utility writes is what it reads back, as far as the device's layout holds.
#include "devicesim.h"
#include "drives_table.h"
#include "platform/files.h"
#include "support/e2e_scenario.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

using namespace kordavel;
using namespace kordavel::test;

namespace {

using B = DownloadBox;
using F = FileNameFormat;

struct Screen
{
    std::set<DownloadBox> boxes; // the download boxes, without save-date and dates
    QString days = "92";
    FileNameFormat format = F::European;
    bool plus = false;
    bool saveCardDate = false;
    bool dates = false;
    QDate start = QDate(2024, 1, 1);
    QDate end = QDate(2024, 12, 31);
};

// What a device of this family and version gives back for a screen.
Screen expectedBack(const Screen &s, const QByteArray &family, int version)
{
    Screen e = s;
    const bool coupled = version <= 35;
    if (coupled && (s.boxes.count(B::OtherVdoData) || s.boxes.count(B::Speed4Hz))) {
        e.boxes.insert(B::OtherVdoData);
        e.boxes.insert(B::Speed4Hz);
    }
    const int days = s.days.trimmed().toInt();
    e.days = days == 0 ? "0" : (days < 0 ? QString::number(days) : " " + QString::number(days));
    if (family == "CR") {
        // Only the configuration byte travels to a DoziziveDE.
        e.boxes.clear();
        e.days = "0";
        e.dates = false;
        return e;
    }
    if (version < 36) {
        e.boxes.erase(B::Speed168h); // no 168 h speed before layout C
        e.dates = false;
    }
    if (version <= 27) {
        // Layout A: five list bytes (01 and four codes), no configuration byte.
        QList<DownloadBox> list;
        for (B b : {B::Activities, B::EventsFaults, B::DetailedSpeed, B::TechnicalData,
                    B::DriverCard, B::OtherVdoData})
            if (e.boxes.count(b))
                list.append(b);
        list = list.mid(0, 4);
        e.boxes.clear();
        for (B b : list) {
            e.boxes.insert(b);
            if (b == B::OtherVdoData) // sent as the 4 Hz code, which checks both
                e.boxes.insert(B::Speed4Hz);
        }
        e.format = F::ShortNames;
        e.plus = false;
        e.saveCardDate = false;
    }
    return e;
}

class RoundTrip
{
public:
    RoundTrip(const QByteArray &family, int version)
        : family(family), version(version), drives(dir.filePath("table"))
    {
        sim::VersionFileFields s;
        s.family = family;
        s.version = version;
        QString err;
        device = dir.filePath("device");
        sim::createDevice(device, sim::makeVersionFile(s), &err);
        QFile(dir.filePath("table")).open(QIODevice::WriteOnly);
        window = makeMainWindow(drives, systemFiles(), clock, messages, dir.path());
    }

    void plug()
    {
        QString report;
        sim::plug(dir.filePath("table"), device, "KORDAVEL", &report);
        lastTakeUp = report;
    }
    void unplug()
    {
        QString err;
        sim::unplug(dir.filePath("table"), device, &err);
    }

    void apply(const Screen &s)
    {
        const WindowControls &c = controlsOf(*window);
        for (DownloadBox b : kAllDownloadBoxes)
            if (b != B::Overview)
                c.box(b)->setChecked(false);
        for (DownloadBox b : s.boxes)
            c.box(b)->setChecked(true);
        c.saveCardDateBox->setChecked(s.saveCardDate);
        c.useDatesBox->setChecked(s.dates);
        c.daysBackEdit->setText(s.days);
        c.formatButton(s.format)->setChecked(true);
        (s.plus ? c.modelKordavelPlusButton : c.modelKordavelButton)->setChecked(true);
        c.downloadStartPicker->setDate(s.start);
        c.downloadEndPicker->setDate(s.end);
    }

    Screen read() const
    {
        const WindowControls &c = controlsOf(*window);
        Screen s;
        for (DownloadBox b : kAllDownloadBoxes)
            if (b != B::Overview && b != B::SaveCardDate && b != B::UseDates &&
                c.box(b)->isChecked())
                s.boxes.insert(b);
        s.saveCardDate = c.saveCardDateBox->isChecked();
        s.dates = c.useDatesBox->isChecked();
        s.days = c.daysBackEdit->text();
        for (int i = 0; i < kFileNameFormatCount; ++i)
            if (c.formatButton(F(i))->isChecked())
                s.format = F(i);
        s.plus = c.modelKordavelPlusButton->isChecked();
        s.start = c.downloadStartPicker->date();
        s.end = c.downloadEndPicker->date();
        return s;
    }

    QTemporaryDir dir;
    QByteArray family;
    int version;
    QString device;
    TableDrives drives;
    FixedClock clock{QDate(2026, 12, 6)};
    RecordingMessageBox messages;
    TestWindow window;
    QString lastTakeUp;
};

std::vector<Screen> spread()
{
    std::vector<Screen> v;
    v.push_back({{}, "0", F::ShortNames, false, false, false});
    v.push_back({{B::Activities}, "1", F::European, true, true, false});
    v.push_back({{B::EventsFaults}, "92", F::French, false, false, false});
    v.push_back({{B::DetailedSpeed}, "24855", F::Spanish, true, false, false});
    v.push_back({{B::TechnicalData}, "-5", F::DuvadoRirozo, false, true, false});
    v.push_back({{B::DriverCard}, "7", F::European, false, false, false});
    v.push_back({{B::OtherVdoData}, "30", F::European, true, false, false});
    v.push_back({{B::Speed168h}, "30", F::European, true, false, false});
    v.push_back({{B::Speed4Hz}, "30", F::European, true, false, false});
    v.push_back(
        {{B::OtherVdoData, B::Speed168h, B::Speed4Hz}, "14", F::French, false, true, false});
    v.push_back({{B::Activities, B::EventsFaults, B::DetailedSpeed, B::TechnicalData, B::DriverCard,
                  B::OtherVdoData, B::Speed168h, B::Speed4Hz},
                 "28",
                 F::European,
                 true,
                 true,
                 true});
    v.push_back({{B::Activities, B::TechnicalData},
                 "0",
                 F::DuvadoRirozo,
                 false,
                 false,
                 true,
                 QDate(2020, 1, 1),
                 QDate(2020, 2, 1)});
    return v;
}

std::string describe(const Screen &s)
{
    std::string out = "boxes";
    for (DownloadBox b : s.boxes)
        out.append(" ").append(std::to_string(int(b)));
    out.append(" days '").append(s.days.toStdString()).append("' format ");
    out.append(std::to_string(int(s.format))).append(s.plus ? " plus" : " kordavel");
    out.append(s.saveCardDate ? " save-date" : "").append(s.dates ? " dates" : "");
    return out;
}

void cycle(const QByteArray &family, int version)
{
    for (const Screen &screen : spread()) {
        SCOPED_TRACE(family.toStdString() + " " + std::to_string(version) + ": " +
                     describe(screen));
        RoundTrip t(family, version);
        MainWindow &mainWindow = *t.window;
        t.plug();
        pollTick(mainWindow);
        ASSERT_EQ(controlsOf(mainWindow).statusLabel->text(), "Configuration read");
        ASSERT_EQ(t.window.cycle().state(),
                  family == "CR" ? FlowState::WaitingForDevice : FlowState::SettingsShown);
        t.apply(screen);
        // For CR the flow never enables the button; the command itself works.
        if (family == "CR")
            runConfigureCommand(mainWindow);
        else
            pressConfigure(mainWindow);
        ASSERT_EQ(t.window.cycle().state(), FlowState::WaitingForUnplug)
            << qPrintable(t.messages.texts.join(" | "));
        pollTick(mainWindow);
        t.unplug();
        pollTick(mainWindow);
        ASSERT_EQ(t.window.cycle().state(), FlowState::WaitingForReplug);
        t.plug();
        EXPECT_TRUE(t.lastTakeUp.endsWith("taken up")) << qPrintable(t.lastTakeUp);
        pollTick(mainWindow);
        ASSERT_EQ(controlsOf(mainWindow).statusLabel->text(), "Success!");
        EXPECT_FALSE(QFile::exists(t.device + "/UPDATES/DI999000.HEX"));
        t.unplug();
        pollTick(mainWindow);
        ASSERT_EQ(t.window.cycle().state(), FlowState::WaitingForDevice);
        t.plug();
        pollTick(mainWindow);
        ASSERT_EQ(controlsOf(mainWindow).statusLabel->text(), "Configuration read");

        const Screen want = expectedBack(screen, family, version);
        const Screen got = t.read();
        EXPECT_EQ(got.boxes, want.boxes);
        EXPECT_EQ(got.days, want.days);
        EXPECT_EQ(got.format, want.format);
        EXPECT_EQ(got.plus, want.plus);
        EXPECT_EQ(got.saveCardDate, want.saveCardDate);
        EXPECT_EQ(got.dates, want.dates);
        if (want.dates) {
            EXPECT_EQ(got.start, want.start);
            EXPECT_EQ(got.end, want.end);
        }
        EXPECT_TRUE(t.messages.texts.isEmpty()) << qPrintable(t.messages.texts.join(" | "));
    }
}

} // namespace

TEST(RoundTripTq, Version23)
{
    cycle("TQ", 23);
}
TEST(RoundTripTq, Version27)
{
    cycle("TQ", 27);
}
TEST(RoundTripTq, Version28)
{
    cycle("TQ", 28);
}
TEST(RoundTripTq, Version35)
{
    cycle("TQ", 35);
}
TEST(RoundTripTq, Version36)
{
    cycle("TQ", 36);
}
TEST(RoundTripTq, Version53)
{
    cycle("TQ", 53);
}
TEST(RoundTripTq, Version54)
{
    cycle("TQ", 54);
}
TEST(RoundTripTq, Version60)
{
    cycle("TQ", 60);
}
TEST(RoundTripCr, Version12)
{
    cycle("CR", 12);
}

TEST(RoundTripFailures, UnknownFamilyAndAFailingWrite)
{
    RoundTrip t("TQ", 54);
    MainWindow &mainWindow = *t.window;
    t.plug();
    pollTick(mainWindow);
    ASSERT_EQ(t.window.cycle().state(), FlowState::SettingsShown);
    // The device's version file turns unreadable between the read and Configure:
    // nothing proves it is still the device read, so it is read again.
    const QByteArray version = readAll(t.device + "/UPDATES/kordvers.ion");
    QFile::remove(t.device + "/UPDATES/kordvers.ion");
    pressConfigure(mainWindow);
    EXPECT_EQ(t.messages.texts,
              QStringList{"No configuration file was written: the Kordavel plugged in is not "
                          "the one whose settings are shown, or its settings have changed, so "
                          "it is read again."});
    EXPECT_EQ(t.window.cycle().state(), FlowState::WaitingForDevice);
    EXPECT_FALSE(controlsOf(mainWindow).configureButton->isEnabled());
    writeFile(t.device + "/UPDATES/kordvers.ion", version);
    pollTick(mainWindow);
    ASSERT_EQ(t.window.cycle().state(), FlowState::SettingsShown);

    // The device is pulled before Configure: nothing found, nothing written.
    t.unplug();
    t.messages.texts.clear();
    pressConfigure(mainWindow);
    EXPECT_TRUE(t.messages.texts.isEmpty());
    EXPECT_EQ(t.window.cycle().state(), FlowState::SettingsShown);
    EXPECT_FALSE(QFile::exists(t.device + "/UPDATES/DI999000.HEX"));
}

// The configuration run that the Windows end-to-end test repeats through the
// real drive letters: both must write these very bytes.
TEST(Scenario, WritesTheFileTheWindowsRunIsComparedWith)
{
    RoundTrip t("TQ", 54);
    t.clock.date = kScenarioToday;
    t.window = makeMainWindow(t.drives, systemFiles(), t.clock, t.messages, t.dir.path());
    t.plug();
    pollTick(*t.window);
    ASSERT_EQ(t.window.cycle().state(), FlowState::SettingsShown);
    applyScenarioSettings(*t.window);
    pressConfigure(*t.window);
    ASSERT_EQ(t.window.cycle().state(), FlowState::WaitingForUnplug);
    const QByteArray written = readAll(t.device + "/UPDATES/DI999000.HEX");
    EXPECT_EQ(written, readAll(kScenarioExpectedHex)) << written.toStdString();
}
