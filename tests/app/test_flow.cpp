// The polling flow: the pure state machine and the window driven tick by tick.
#include "app/flow.h"
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

struct Row
{
    qint32 state;
    qint32 count;
    std::vector<FlowAction> actions;
    qint32 next;
    bool read;
};

const Row kRows[] = {
    {0, 0, {A::MessageReady, A::HideSWVersion}, 0, false},
    {0, 1, {A::MessageFound}, 0, true},
    {0, 2, {}, 0, false},
    {1, 0, {A::DisableConfigure}, 0, false},
    {1, 1, {}, 1, false},
    {1, 3, {}, 1, false},
    {2, 0, {A::ArrowIn, A::InstructionConnect}, 3, false},
    {2, 1, {A::ArrowOut}, 2, false},
    {2, 2, {}, 2, false},
    {3, 0, {A::ArrowIn, A::InstructionConnect}, 3, false},
    {3,
     1,
     {A::InstructionDisconnect, A::MessageSuccess, A::ArrowNone, A::WindowShort,
      A::DeleteConfigFile},
     4,
     false},
    {3, 2, {}, 3, false},
    {4, 0, {A::ArrowNone, A::WindowShort, A::HideArrowDisplay}, 0, false},
    {4, 1, {A::HideArrowDisplay}, 4, false},
    {4, 2, {A::HideArrowDisplay}, 4, false},
    {5, 0, {}, 0, false},
    {5, 1, {}, 0, false},
    {5, 2, {}, 0, false},
    {7, 1, {}, 0, false},
    {-1, 0, {}, 0, false},
};

} // namespace

TEST(FlowTable, EveryRow)
{
    for (const Row &r : kRows) {
        const FlowStep s = planTick(r.state, r.count);
        EXPECT_EQ(s.actions, r.actions) << "state " << r.state << " count " << r.count;
        EXPECT_EQ(s.nextState, r.next) << "state " << r.state << " count " << r.count;
        EXPECT_EQ(s.readDevice, r.read) << "state " << r.state << " count " << r.count;
    }
}

TEST(FlowTable, SuitabilityAfterARead)
{
    FlowStep s = planAfterRead(ReadOutcome::Read, "CR", 99);
    EXPECT_EQ(s.actions, (std::vector<FlowAction>{A::MessageConfigRead, A::ShowSWVersion}));
    EXPECT_EQ(s.nextState, 0);
    s = planAfterRead(ReadOutcome::Read, "TQ", 22);
    EXPECT_EQ(s.actions,
              (std::vector<FlowAction>{A::MessageConfigRead, A::ShowSWVersion,
                                       A::MessageNotSuitable, A::ShowArrowDisplay, A::ArrowOut,
                                       A::InstructionDisconnect, A::WindowTall}));
    EXPECT_EQ(s.nextState, 5);
    s = planAfterRead(ReadOutcome::Read, "TQ", 23);
    EXPECT_EQ(s.actions, (std::vector<FlowAction>{A::MessageConfigRead, A::ShowSWVersion,
                                                  A::EnableConfigure, A::WindowShort}));
    EXPECT_EQ(s.nextState, 1);
    s = planAfterRead(ReadOutcome::Failed, "TQ", 54);
    EXPECT_TRUE(s.actions.empty()) << "a failed read is not reported as read";
    EXPECT_EQ(s.nextState, 5);
}

namespace {

class Flow : public ::testing::Test
{
protected:
    Form1 &f() { return *h.form; }
    QString message() { return f().lblMessage->text(); }
    Harness h;
    DeviceDir dev{exampleLayoutC()};
};

} // namespace

TEST_F(Flow, CompleteRunWithOneDevice)
{
    h.tick();
    EXPECT_EQ(message(), "Ready for next");
    EXPECT_TRUE(f().lblSWVersion->isHidden());
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(message(), "Configuration read");
    EXPECT_FALSE(f().lblSWVersion->isHidden());
    EXPECT_TRUE(f().cmdConfigure->isEnabled());
    EXPECT_EQ(f().lState, 1);
    EXPECT_EQ(f().outerHeightTwips(), 7800);
    h.tick();
    EXPECT_EQ(f().lState, 1) << "a read device is not read again";
    EXPECT_EQ(f().lblState->text(), "1");

    // As after a Configure run.
    writeFile(dev.path("UPDATES/DI999000.HEX"), ":00000001FF\r\n");
    f().DisconnectReconnectKordavel();
    f().lState = 2;
    h.tick();
    EXPECT_EQ(f().lState, 2);
    h.unplug(dev.root());
    h.tick();
    EXPECT_EQ(f().lState, 3);
    EXPECT_EQ(f().lblInstruction->text(), "Connect USB");
    EXPECT_EQ(f().outerHeightTwips(), 11500);
    h.tick();
    EXPECT_EQ(f().lState, 3);
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(message(), "Success!");
    EXPECT_EQ(f().lblInstruction->text(), "Disconnect USB");
    EXPECT_EQ(f().lState, 4);
    EXPECT_EQ(f().outerHeightTwips(), 7800);
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
    h.tick();
    EXPECT_TRUE(f().picArrowDisplay->isHidden());
    h.unplug(dev.root());
    h.tick();
    EXPECT_EQ(f().lState, 0);
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
    EXPECT_FALSE(f().cmdConfigure->isEnabled());
    EXPECT_EQ(f().lState, 0);
}

TEST_F(Flow, TwoDevicesStopTheFlow)
{
    DeviceDir second(exampleLayoutC());
    h.plug(dev.root());
    h.plug(second.root());
    h.tick(3);
    EXPECT_EQ(f().lState, 0);
    EXPECT_EQ(message(), "");
    f().lState = 3;
    h.tick();
    EXPECT_EQ(f().lState, 3);
    f().lState = 4;
    f().picArrowDisplay->show();
    h.tick();
    EXPECT_TRUE(f().picArrowDisplay->isHidden());
    f().lState = 5;
    h.tick();
    EXPECT_EQ(f().lState, 0);
}

TEST_F(Flow, CrDevicesAreReadOnEveryTick)
{
    dev.setVersionFile(versionFile("CR000012HEX", 80));
    h.plug(dev.root());
    for (int i = 0; i < 3; ++i) {
        h.tick();
        EXPECT_EQ(f().lState, 0);
        EXPECT_EQ(message(), "Configuration read");
    }
    EXPECT_FALSE(f().cmdConfigure->isEnabled());
}

TEST_F(Flow, OldSoftwareIsNotSuitable)
{
    dev.setVersionFile(versionFile("TQ000022HEX", 21));
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(message(), "Not Suitable");
    EXPECT_EQ(f().lState, 5);
    EXPECT_EQ(f().outerHeightTwips(), 11500);
    EXPECT_EQ(f().lblInstruction->text(), "Disconnect USB");
    EXPECT_FALSE(f().picArrowDisplay->isHidden());
    EXPECT_FALSE(f().cmdConfigure->isEnabled());
    // Left plugged in: read again every second tick, the arrow moving each time.
    const bool phase = f().arrows().phase();
    h.tick();
    EXPECT_EQ(f().lState, 0);
    h.tick();
    EXPECT_EQ(f().lState, 5);
    EXPECT_NE(f().arrows().phase(), phase);
    h.unplug(dev.root());
    h.tick(2);
    EXPECT_EQ(message(), "Ready for next");
    EXPECT_EQ(f().outerHeightTwips(), 11500) << "stays tall until a suitable device";

    dev.setVersionFile(versionFile("TQ000023HEX", 21));
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(f().lState, 1);
    EXPECT_EQ(f().outerHeightTwips(), 7800);
}

TEST_F(Flow, QuickReplugWithinATickIsNotNoticed)
{
    h.plug(dev.root());
    h.tick();
    f().lState = 2;
    h.unplug(dev.root());
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(f().lState, 2);
}

TEST_F(Flow, SecondRunShowsNoArrow)
{
    h.plug(dev.root());
    f().lState = 3;
    h.tick();
    h.unplug(dev.root());
    h.tick();
    ASSERT_TRUE(f().picArrowDisplay->isHidden());
    f().lState = 2;
    h.tick();
    EXPECT_EQ(f().lblInstruction->text(), "Connect USB");
    EXPECT_TRUE(f().picArrowDisplay->isHidden());
}

TEST_F(Flow, ReturningFromHelpAbandonsTheSequence)
{
    h.plug(dev.root());
    f().lState = 2;
    f().Form_Activate();
    h.tick();
    EXPECT_EQ(message(), "Configuration read") << "device present: read again";
    EXPECT_EQ(f().outerHeightTwips(), 7800);

    f().lState = 3;
    f().DisconnectReconnectKordavel();
    h.unplug(dev.root());
    f().Form_Activate();
    h.tick();
    EXPECT_EQ(message(), "Ready for next");
    EXPECT_EQ(f().outerHeightTwips(), 11500);
}

TEST_F(Flow, DeletionHappensOnceAndOnlyForTheTqName)
{
    h.plug(dev.root());
    f().lState = 3;
    writeFile(dev.path("UPDATES/ZA999000.HEX"), "x");
    h.tick();
    EXPECT_EQ(f().lState, 4);
    writeFile(dev.path("UPDATES/DI999000.HEX"), "x");
    h.tick(3);
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/DI999000.HEX"))) << "only the state 3 tick deletes";
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/ZA999000.HEX")));
}

TEST_F(Flow, FailedReadIsNotReportedAsRead)
{
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    h.plug(dev.root());
    h.tick();
    EXPECT_EQ(h.messages.texts.size(), 1);
    EXPECT_NE(message(), "Configuration read");
    EXPECT_FALSE(f().cmdConfigure->isEnabled());
    EXPECT_EQ(f().lState, 5);
    EXPECT_EQ(f().outerHeightTwips(), 7800) << "no Not Suitable actions";
    h.tick();
    EXPECT_EQ(f().lState, 0);
    dev.setVersionFile(exampleLayoutC());
    h.tick();
    EXPECT_EQ(f().lState, 1);
}

TEST_F(Flow, TicksDoNotNestInsideMessageBoxes)
{
    // A message box that lets the timer fire while it is open.
    class PumpingBox : public MessageBox
    {
    public:
        explicit PumpingBox(Form1 **form) : m_form(form) {}
        void inform(QWidget *, const QString &, const QString &) override
        {
            ++shown;
            (*m_form)->Timer1_Timer(); // a tick falling due meanwhile
        }
        int shown = 0;

    private:
        Form1 **m_form;
    };
    Form1 *raw = nullptr;
    PumpingBox box(&raw);
    const std::unique_ptr<Form1> form =
        makeForm(h.drives, systemFiles(), h.clock, box, h.programDir.path());
    raw = form.get();
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    h.plug(dev.root());
    form->Timer1_Timer();
    EXPECT_EQ(box.shown, 1);
}
