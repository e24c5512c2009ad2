// The polling flow: the pure state machine and the window driven tick by tick.
#include "cycle/flow.h"
#include "platform/files.h"
#include "support/testsupport.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;
using A = FlowAction;

namespace {

using S = FlowState;

struct Row
{
    FlowState state;
    qint32 count;
    std::vector<FlowAction> actions;
    FlowState next;
    bool read;
};

const Row kRows[] = {
    {S::WaitingForDevice, 0, {A::MessageReady, A::HideSWVersion}, S::WaitingForDevice, false},
    {S::WaitingForDevice, 1, {A::MessageFound}, S::WaitingForDevice, true},
    {S::WaitingForDevice, 2, {}, S::WaitingForDevice, false},
    {S::SettingsShown, 0, {A::DisableConfigure}, S::WaitingForDevice, false},
    {S::SettingsShown, 1, {}, S::SettingsShown, false},
    {S::SettingsShown, 3, {}, S::SettingsShown, false},
    {S::WaitingForUnplug, 0, {A::ArrowIn, A::InstructionConnect}, S::WaitingForReplug, false},
    {S::WaitingForUnplug, 1, {A::ArrowOut}, S::WaitingForUnplug, false},
    {S::WaitingForUnplug, 2, {}, S::WaitingForUnplug, false},
    {S::WaitingForReplug, 0, {A::ArrowIn, A::InstructionConnect}, S::WaitingForReplug, false},
    {S::WaitingForReplug,
     1,
     {
         A::InstructionDisconnect,
         A::MessageSuccess,
         A::ArrowNone,
         A::WindowShort,
     },
     S::Configured,
     false},
    {S::WaitingForReplug, 2, {}, S::WaitingForReplug, false},
    {S::Configured,
     0,
     {A::ArrowNone, A::WindowShort, A::HideArrowDisplay},
     S::WaitingForDevice,
     false},
    {S::Configured, 1, {A::HideArrowDisplay}, S::Configured, false},
    {S::Configured, 2, {A::HideArrowDisplay}, S::Configured, false},
    {S::ReadAgain, 0, {}, S::WaitingForDevice, false},
    {S::ReadAgain, 1, {}, S::WaitingForDevice, false},
    {S::ReadAgain, 2, {}, S::WaitingForDevice, false},
    {FlowState(7), 1, {}, S::WaitingForDevice, false},
    {FlowState(-1), 0, {}, S::WaitingForDevice, false},
};

} // namespace

TEST(FlowTable, EveryRow)
{
    for (const Row &r : kRows) {
        const FlowStep s = planTick(r.state, r.count, r.count);
        const std::string where =
            "state " + std::to_string(int(r.state)) + " count " + std::to_string(r.count);
        EXPECT_EQ(s.actions, r.actions) << where;
        EXPECT_EQ(s.nextState, r.next) << where;
        EXPECT_EQ(s.readDevice, r.read) << where;
        EXPECT_EQ(s.deleteTakenUpFile, r.state == S::WaitingForReplug && r.count == 1) << where;
    }
}

// A second device while the settings are shown holds Configure back, with
// the settings kept; with one device again it is offered again.
TEST(FlowTable, ASecondDeviceHoldsConfigure)
{
    EXPECT_EQ(planTick(S::SettingsShown, 2, 1).actions,
              std::vector<FlowAction>{A::DisableConfigure});
    EXPECT_EQ(planTick(S::SettingsShown, 1, 2).actions,
              std::vector<FlowAction>{A::EnableConfigure});
    EXPECT_EQ(planTick(S::SettingsShown, 1, 0).actions, std::vector<FlowAction>{A::EnableConfigure})
        << "back after a press that found no device";
    EXPECT_TRUE(planTick(S::SettingsShown, 1, 1).actions.empty());
    for (qint32 before : {1, 2}) {
        const FlowStep s = planTick(S::SettingsShown, before == 1 ? 3 : 1, before == 1 ? 2 : 3);
        EXPECT_EQ(s.nextState, S::SettingsShown);
        EXPECT_FALSE(s.readDevice) << "the user's edits stay";
    }
}

TEST(FlowTable, ConfigureAndRestart)
{
    EXPECT_EQ(planConfigureStart(), (std::vector<FlowAction>{A::DisableConfigure, A::MessageNone}));
    FlowStep s = planConfigureEnd(true);
    EXPECT_EQ(s.actions, (std::vector<FlowAction>{A::MessageNone, A::InstructionDisconnect,
                                                  A::WindowTall, A::PollAgain}));
    EXPECT_EQ(s.nextState, S::WaitingForUnplug);
    s = planConfigureEnd(false);
    EXPECT_EQ(s.actions, (std::vector<FlowAction>{A::EnableConfigure, A::MessageNone}))
        << "nothing new on the device: the user may try again";
    EXPECT_EQ(s.nextState, S::SettingsShown);
    s = planRestart();
    EXPECT_EQ(s.actions, (std::vector<FlowAction>{A::MessageNone}));
    EXPECT_EQ(s.nextState, S::WaitingForDevice);
}

TEST(FlowTable, SuitabilityAfterARead)
{
    FlowStep s = planAfterRead(ReadOutcome::Read, "CR", 99);
    EXPECT_EQ(s.actions, (std::vector<FlowAction>{A::MessageConfigRead, A::ShowSWVersion}));
    EXPECT_EQ(s.nextState, S::WaitingForDevice) << "a CR unit is read on every tick";
    s = planAfterRead(ReadOutcome::Read, "TQ", 22);
    EXPECT_EQ(s.actions,
              (std::vector<FlowAction>{A::MessageConfigRead, A::ShowSWVersion,
                                       A::MessageNotSuitable, A::ShowArrowDisplay, A::ArrowOut,
                                       A::InstructionDisconnect, A::WindowTall}));
    EXPECT_EQ(s.nextState, S::ReadAgain);
    s = planAfterRead(ReadOutcome::Read, "TQ", 23);
    EXPECT_EQ(s.actions, (std::vector<FlowAction>{A::MessageConfigRead, A::ShowSWVersion,
                                                  A::EnableConfigure, A::WindowShort}));
    EXPECT_EQ(s.nextState, S::SettingsShown);
    s = planAfterRead(ReadOutcome::Failed, "TQ", 54);
    EXPECT_TRUE(s.actions.empty()) << "a failed read is not reported as read";
    EXPECT_EQ(s.nextState, S::ReadAgain);
}

namespace {

class Flow : public ::testing::Test
{
protected:
    MainWindow &mainWindow() { return *h.window; }
    QString message() { return controlsOf(mainWindow()).statusLabel->text(); }
    Harness h;
    DeviceDir dev{exampleLayoutC()};
};

} // namespace

TEST_F(Flow, CompleteRunWithOneDevice)
{
    h.tick();
    EXPECT_EQ(message(), "Ready for next");
    EXPECT_TRUE(controlsOf(mainWindow()).softwareVersionLabel->isHidden());
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(message(), "Configuration read");
    EXPECT_FALSE(controlsOf(mainWindow()).softwareVersionLabel->isHidden());
    EXPECT_TRUE(controlsOf(mainWindow()).configureButton->isEnabled());
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    EXPECT_EQ(outerHeightTwips(mainWindow()), 7800);
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown)
        << "a read device is not read again";
    EXPECT_EQ(controlsOf(mainWindow()).stateLabel->text(), "1");

    h.configure();
    ASSERT_TRUE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
    EXPECT_EQ(controlsOf(mainWindow()).instructionLabel->text(), "Disconnect USB");
    EXPECT_EQ(outerHeightTwips(mainWindow()), 11500);
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    h.unplug(dev.root());
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForReplug);
    EXPECT_EQ(controlsOf(mainWindow()).instructionLabel->text(), "Connect USB");
    EXPECT_EQ(outerHeightTwips(mainWindow()), 11500);
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForReplug);
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(message(), "Success!");
    EXPECT_EQ(controlsOf(mainWindow()).instructionLabel->text(), "Disconnect USB");
    EXPECT_EQ(h.window.cycle().state(), FlowState::Configured);
    EXPECT_EQ(outerHeightTwips(mainWindow()), 7800);
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
    h.tick();
    EXPECT_TRUE(controlsOf(mainWindow()).arrowDisplay->isHidden());
    h.unplug(dev.root());
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(message(), "Configuration read");
    EXPECT_TRUE(h.messages.texts.isEmpty());
}

TEST_F(Flow, UnplugBeforeConfiguringDisablesConfigure)
{
    h.plug(dev.root());
    h.tick();
    h.unplug(dev.root());
    h.tick();
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled());
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
}

TEST_F(Flow, TwoDevicesStopTheFlow)
{
    DeviceDir second(exampleLayoutC());
    h.plug(dev.root());
    h.plug(second.root());
    h.tick(3);
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
    EXPECT_EQ(message(), "");

    // Waiting for the replug, then after "Success!": a second device holds
    // the flow where it is.
    h.unplug(second.root());
    h.tick();
    ASSERT_NO_FATAL_FAILURE(h.configureAndUnplug(dev.root()));
    h.plug(dev.root());
    h.plug(second.root());
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForReplug);
    h.unplug(second.root());
    h.tick();
    ASSERT_EQ(h.window.cycle().state(), FlowState::Configured);
    h.plug(second.root());
    controlsOf(mainWindow()).arrowDisplay->show();
    h.tick();
    EXPECT_TRUE(controlsOf(mainWindow()).arrowDisplay->isHidden());
    EXPECT_EQ(h.window.cycle().state(), FlowState::Configured);

    // A read that failed: a second device does not hold the flow back.
    h.unplug(second.root());
    h.unplug(dev.root());
    h.tick();
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    h.plug(dev.root());
    h.tick();
    ASSERT_EQ(h.window.cycle().state(), FlowState::ReadAgain);
    h.plug(second.root());
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
}

TEST_F(Flow, CrDevicesAreReadOnEveryTick)
{
    dev.setVersionFile(versionFile("CR000012HEX", 80));
    h.plug(dev.root());
    for (int i = 0; i < 3; ++i) {
        h.tick();
        EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
        EXPECT_EQ(message(), "Configuration read");
    }
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled());
}

TEST_F(Flow, OldSoftwareIsNotSuitable)
{
    dev.setVersionFile(versionFile("TQ000022HEX", 21));
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(message(), "Not Suitable");
    EXPECT_EQ(h.window.cycle().state(), FlowState::ReadAgain);
    EXPECT_EQ(outerHeightTwips(mainWindow()), 11500);
    EXPECT_EQ(controlsOf(mainWindow()).instructionLabel->text(), "Disconnect USB");
    EXPECT_FALSE(controlsOf(mainWindow()).arrowDisplay->isHidden());
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled());
    // Left plugged in: read again every second tick, the arrow moving each time.
    const QImage arrowBefore = controlsOf(mainWindow()).arrowDisplay->image();
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::ReadAgain);
    EXPECT_NE(controlsOf(mainWindow()).arrowDisplay->image(), arrowBefore);
    h.unplug(dev.root());
    h.tick(2);
    EXPECT_EQ(message(), "Ready for next");
    EXPECT_EQ(outerHeightTwips(mainWindow()), 11500) << "stays tall until a suitable device";

    dev.setVersionFile(versionFile("TQ000023HEX", 21));
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    EXPECT_EQ(outerHeightTwips(mainWindow()), 7800);
}

TEST_F(Flow, QuickReplugWithinATickIsNotNoticed)
{
    h.plug(dev.root());
    h.tick();
    h.configure();
    ASSERT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    h.unplug(dev.root());
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
}

TEST_F(Flow, SecondRunShowsNoArrow)
{
    h.plug(dev.root());
    h.tick();
    ASSERT_NO_FATAL_FAILURE(h.configureAndUnplug(dev.root()));
    h.plug(dev.root());
    h.tick(); // "Success!"
    h.unplug(dev.root());
    h.tick();
    ASSERT_TRUE(controlsOf(mainWindow()).arrowDisplay->isHidden());
    h.plug(dev.root());
    h.tick();
    ASSERT_NO_FATAL_FAILURE(h.configureAndUnplug(dev.root()));
    EXPECT_EQ(controlsOf(mainWindow()).instructionLabel->text(), "Connect USB");
    EXPECT_TRUE(controlsOf(mainWindow()).arrowDisplay->isHidden());
}

TEST_F(Flow, ReturningFromHelpAbandonsTheSequence)
{
    h.plug(dev.root());
    h.tick();
    h.configure();
    ASSERT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    h.window.executor->requestRestart();
    EXPECT_EQ(message(), "");
    h.tick();
    EXPECT_EQ(message(), "Configuration read") << "device present: read again";
    EXPECT_EQ(outerHeightTwips(mainWindow()), 7800);

    ASSERT_NO_FATAL_FAILURE(h.configureAndUnplug(dev.root()));
    h.window.executor->requestRestart();
    h.tick();
    EXPECT_EQ(message(), "Ready for next");
    EXPECT_EQ(outerHeightTwips(mainWindow()), 11500);
}

TEST_F(Flow, DeletionHappensOnceAndOnlyForTheTqName)
{
    h.plug(dev.root());
    h.tick();
    ASSERT_NO_FATAL_FAILURE(h.configureAndUnplug(dev.root()));
    writeFile(dev.path("UPDATES/ZA999000.HEX"), "x");
    h.plug(dev.root());
    h.tick();
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
    EXPECT_EQ(h.window.cycle().state(), FlowState::Configured);
    writeFile(dev.path("UPDATES/DI999000.HEX"), "x");
    h.tick(3);
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/DI999000.HEX")))
        << "only the tick that sees the replug deletes";
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/ZA999000.HEX")));
}

TEST_F(Flow, FailedReadIsNotReportedAsRead)
{
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(h.messages.texts.size(), 1);
    EXPECT_NE(message(), "Configuration read");
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled());
    EXPECT_EQ(h.window.cycle().state(), FlowState::ReadAgain);
    EXPECT_EQ(outerHeightTwips(mainWindow()), 7800) << "no Not Suitable actions";
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
    dev.setVersionFile(exampleLayoutC());
    h.tick();
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
}

TEST_F(Flow, TicksDoNotNestInsideMessageBoxes)
{
    // A message box that lets the timer fire while it is open.
    class PumpingBox : public MessageBox
    {
    public:
        explicit PumpingBox(MainWindow **window) : m_window(window) {}
        void inform(QWidget *, const QString &, const QString &) override
        {
            ++shown;
            pollTick(**m_window); // a tick falling due meanwhile
        }
        bool ask(QWidget *, const QString &, const QString &) override { return false; }
        int shown = 0;

    private:
        MainWindow **m_window;
    };
    MainWindow *raw = nullptr;
    PumpingBox box(&raw);
    const TestWindow window =
        makeMainWindow(h.drives, systemFiles(), h.clock, box, h.programDir.path());
    raw = window.get();
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    h.plug(dev.root());
    pollTick(*window);
    EXPECT_EQ(box.shown, 1);
}
