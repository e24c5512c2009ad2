// The whole cycle through the real main window and the simulated device: what
// the utility writes is what it reads back, as far as the device's layout holds.
#include "devicesim.h"
#include "platform/drives_table.h"
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

struct Screen
{
    std::set<int> checks; // among 2..10
    QString days = "92";
    int option1 = 1;
    bool plus = false;
    bool check7 = false;
    bool dates = false;
    QDate start = QDate(2024, 1, 1);
    QDate end = QDate(2024, 12, 31);
};

// What a device of this family and version gives back for a screen.
Screen expectedBack(const Screen &s, const QByteArray &family, int version)
{
    Screen e = s;
    const bool coupled = version <= 35;
    if (coupled && (s.checks.count(8) || s.checks.count(10))) {
        e.checks.insert(8);
        e.checks.insert(10);
    }
    const int days = s.days.trimmed().toInt();
    e.days = days == 0 ? "0" : (days < 0 ? QString::number(days) : " " + QString::number(days));
    if (family == "CR") {
        // Only the configuration byte travels to a DoziziveDE.
        e.checks.clear();
        e.days = "0";
        e.dates = false;
        return e;
    }
    if (version < 36) {
        e.checks.erase(9); // no 168 h speed before layout C
        e.dates = false;
    }
    if (version <= 27) {
        // Layout A: five list bytes (01 and four codes), no configuration byte.
        QList<int> list;
        for (int c = 2; c <= 6; ++c)
            if (e.checks.count(c))
                list.append(c);
        if (e.checks.count(8))
            list.append(11);
        list = list.mid(0, 4);
        e.checks.clear();
        for (int c : list) {
            if (c == 11) {
                e.checks.insert(8);
                e.checks.insert(10);
            } else {
                e.checks.insert(c);
            }
        }
        e.option1 = 0;
        e.plus = false;
        e.check7 = false;
    }
    return e;
}

class RoundTrip
{
public:
    RoundTrip(const QByteArray &family, int version)
        : family(family), version(version), drives(dir.filePath("table"))
    {
        sim::DeviceSettings s;
        s.family = family;
        s.version = version;
        QString err;
        device = dir.filePath("device");
        sim::createDevice(device, sim::makeVersionFile(s), &err);
        QFile(dir.filePath("table")).open(QIODevice::WriteOnly);
        form = makeForm(drives, systemFiles(), clock, messages, dir.path());
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
        Form1 &f = *form;
        for (int i = 2; i <= 11; ++i)
            f.Check[i]->setChecked(false);
        for (int c : s.checks)
            f.Check[c]->setChecked(true);
        f.Check[7]->setChecked(s.check7);
        f.Check[11]->setChecked(s.dates);
        f.tbDays->setText(s.days);
        f.Option1[s.option1]->setChecked(true);
        f.optKordavel[s.plus ? 1 : 0]->setChecked(true);
        f.DTPickerStart->setDate(s.start);
        f.DTPickerEnd->setDate(s.end);
    }

    Screen read() const
    {
        const Form1 &f = *form;
        Screen s;
        for (int i = 2; i <= 10; ++i)
            if (i != 7 && f.Check[i]->isChecked())
                s.checks.insert(i);
        s.check7 = f.Check[7]->isChecked();
        s.dates = f.Check[11]->isChecked();
        s.days = f.tbDays->text();
        for (int i = 0; i < 5; ++i)
            if (f.Option1[i]->isChecked())
                s.option1 = i;
        s.plus = f.optKordavel[1]->isChecked();
        s.start = f.DTPickerStart->date();
        s.end = f.DTPickerEnd->date();
        return s;
    }

    QTemporaryDir dir;
    QByteArray family;
    int version;
    QString device;
    TableDrives drives;
    FixedClock clock{QDate(2026, 12, 6)};
    RecordingMessageBox messages;
    std::unique_ptr<Form1> form;
    QString lastTakeUp;
};

std::vector<Screen> spread()
{
    std::vector<Screen> v;
    v.push_back({{}, "0", 0, false, false, false});
    v.push_back({{2}, "1", 1, true, true, false});
    v.push_back({{3}, "92", 2, false, false, false});
    v.push_back({{4}, "24855", 3, true, false, false});
    v.push_back({{5}, "-5", 4, false, true, false});
    v.push_back({{6}, "7", 1, false, false, false});
    v.push_back({{8}, "30", 1, true, false, false});
    v.push_back({{9}, "30", 1, true, false, false});
    v.push_back({{10}, "30", 1, true, false, false});
    v.push_back({{8, 9, 10}, "14", 2, false, true, false});
    v.push_back({{2, 3, 4, 5, 6, 8, 9, 10}, "28", 1, true, true, true});
    v.push_back({{2, 5}, "0", 4, false, false, true, QDate(2020, 1, 1), QDate(2020, 2, 1)});
    return v;
}

std::string describe(const Screen &s)
{
    std::string out = "checks";
    for (int c : s.checks)
        out.append(" ").append(std::to_string(c));
    out.append(" days '").append(s.days.toStdString()).append("' format ");
    out.append(std::to_string(s.option1)).append(s.plus ? " plus" : " kordavel");
    out.append(s.check7 ? " save-date" : "").append(s.dates ? " dates" : "");
    return out;
}

void cycle(const QByteArray &family, int version)
{
    for (const Screen &screen : spread()) {
        SCOPED_TRACE(family.toStdString() + " " + std::to_string(version) + ": " +
                     describe(screen));
        RoundTrip t(family, version);
        Form1 &f = *t.form;
        t.plug();
        f.Timer1_Timer();
        ASSERT_EQ(f.lblMessage->text(), "Configuration read");
        ASSERT_EQ(f.lState, family == "CR" ? 0 : 1);
        t.apply(screen);
        f.cmdConfigure_Click(); // for CR the flow never enables the button; the command itself
                                // works
        ASSERT_EQ(f.lState, 2) << qPrintable(t.messages.texts.join(" | "));
        f.Timer1_Timer();
        t.unplug();
        f.Timer1_Timer();
        ASSERT_EQ(f.lState, 3);
        t.plug();
        EXPECT_TRUE(t.lastTakeUp.endsWith("taken up")) << qPrintable(t.lastTakeUp);
        f.Timer1_Timer();
        ASSERT_EQ(f.lblMessage->text(), "Success!");
        EXPECT_FALSE(QFile::exists(t.device + "/UPDATES/DI999000.HEX"));
        t.unplug();
        f.Timer1_Timer();
        ASSERT_EQ(f.lState, 0);
        t.plug();
        f.Timer1_Timer();
        ASSERT_EQ(f.lblMessage->text(), "Configuration read");

        const Screen want = expectedBack(screen, family, version);
        const Screen got = t.read();
        EXPECT_EQ(got.checks, want.checks);
        EXPECT_EQ(got.days, want.days);
        EXPECT_EQ(got.option1, want.option1);
        EXPECT_EQ(got.plus, want.plus);
        EXPECT_EQ(got.check7, want.check7);
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
    Form1 &f = *t.form;
    t.plug();
    f.Timer1_Timer();
    ASSERT_EQ(f.lState, 1);
    // The device's version file turns unreadable between the read and Configure.
    QFile::remove(t.device + "/UPDATES/kordvers.ion");
    f.cmdConfigure_Click();
    EXPECT_EQ(t.messages.texts, QStringList{"Unknown Kordavel type"});
    EXPECT_EQ(f.lState, 1);
    EXPECT_TRUE(f.cmdConfigure->isEnabled());

    // The device is pulled before Configure: nothing found, nothing written.
    t.unplug();
    t.messages.texts.clear();
    f.cmdConfigure_Click();
    EXPECT_TRUE(t.messages.texts.isEmpty());
    EXPECT_EQ(f.lState, 1);
    EXPECT_FALSE(QFile::exists(t.device + "/UPDATES/DI999000.HEX"));
}

// The configuration run that the Windows end-to-end test repeats through the
// real drive letters: both must write these very bytes.
TEST(Scenario, WritesTheFileTheWindowsRunIsComparedWith)
{
    RoundTrip t("TQ", 54);
    t.clock.date = kScenarioToday;
    t.form = makeForm(t.drives, systemFiles(), t.clock, t.messages, t.dir.path());
    t.plug();
    t.form->Timer1_Timer();
    ASSERT_EQ(t.form->lState, 1);
    applyScenarioSettings(*t.form);
    t.form->cmdConfigure_Click();
    ASSERT_EQ(t.form->lState, 2);
    const QByteArray written = readAll(t.device + "/UPDATES/DI999000.HEX");
    EXPECT_EQ(written, readAll(kScenarioExpectedHex)) << written.toStdString();
}
