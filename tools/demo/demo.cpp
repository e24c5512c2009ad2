// kordavel-demo: the whole configuration cycle on a simulated device, without a
// display. Prints every status change, the file written, and saves a screenshot
// of the main window at each stage.
#include "app/layout.h"
#include "app/mainwindow.h"
#include "devicesim.h"
#include "drives_table.h"
#include "inline_executor.h"
#include "look/look.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/ticker.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace kordavel;

namespace {

class PrintingMessageBox : public MessageBox
{
public:
    void inform(QWidget *, const QString &, const QString &text) override
    {
        std::printf("  [message box] %s\n", qPrintable(QString(text).replace(
                                                QStringLiteral("\r\n"), QStringLiteral(" / "))));
    }
    bool ask(QWidget *, const QString &, const QString &question) override
    {
        std::printf("  [question] %s: no\n", qPrintable(question));
        return false;
    }
};

// The demo's own beat: a tick whenever it says so, none while the window has
// it stopped.
class DemoTicker final : public Ticker
{
public:
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void step()
    {
        if (m_active)
            Q_EMIT ticked();
    }

private:
    bool m_active = false;
};

class Demo
{
public:
    Demo(const QString &out, bool wide)
        : m_out(out), m_wide(wide), m_device(out + QStringLiteral("/device")),
          m_table(out + QStringLiteral("/drives.table")), m_drives(m_table)
    {}

    int run()
    {
        QDir(m_out).removeRecursively();
        QDir().mkpath(m_out);
        sim::VersionFileFields s; // a TQ unit with software 54
        QString error;
        if (!sim::createDevice(m_device, sim::makeVersionFile(s), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        QFile(m_table).open(QIODevice::WriteOnly); // no drives yet

        InlineExecutor executor(m_drives, systemFiles());
        Platform p;
        p.executor = &executor;
        p.files = &systemFiles();
        p.clock = &systemClock();
        p.ticker = &m_ticker;
        p.messageBox = &m_box;
        p.programFolder = m_out;
        if (m_wide) // the marker file beside the program widens the window
            QFile(childPath(m_out, QLatin1String(kWideLayoutMarker))).open(QIODevice::WriteOnly);
        MainWindow window(p);
        window.show();
        m_window = &window;
        m_cycle = &executor.cycle();
        const bool done = configure() && unplugAndReplug();
        // Both are gone once this returns.
        m_window = nullptr;
        m_cycle = nullptr;
        return done ? 0 : 1;
    }

private:
    // The device plugged in and read, new settings written to it.
    bool configure()
    {
        tick("no device");
        plug();
        tick("device plugged in");
        if (m_cycle->state() != FlowState::SettingsShown) {
            std::fprintf(stderr, "the device was not read\n");
            return false;
        }
        std::printf("  settings read: days '%s', %s\n",
                    qPrintable(control<QLineEdit>("daysBackEdit")->text()),
                    qPrintable(control<QLabel>("softwareVersionLabel")->text()));
        control<QLineEdit>("daysBackEdit")->setText(QStringLiteral("28"));
        control<QCheckBox>("detailedSpeedBox")->setChecked(true);
        control<QCheckBox>("speed168hBox")->setChecked(true);
        std::printf(
            "* user sets 28 days, Detailed Speed and 168h Detailed Speed, presses Configure\n");
        control<QPushButton>("configureButton")->click();
        report("after Configure");
        QByteArray hex = readFile(m_device + QStringLiteral("/UPDATES/DI999000.HEX"));
        if (hex.isEmpty()) {
            std::fprintf(stderr, "no configuration file was written\n");
            return false;
        }
        std::printf("  configuration file UPDATES/DI999000.HEX:\n");
        for (const QByteArray &line : hex.split('\n'))
            if (!line.trimmed().isEmpty())
                std::printf("    %s\n", line.trimmed().constData());
        return true;
    }

    // The user's unplug and replug, twice, and the settings read back.
    bool unplugAndReplug()
    {
        tick("device still plugged in");
        unplug();
        tick("device unplugged");
        plug();
        tick("device plugged in again");
        unplug();
        tick("device unplugged again");
        plug();
        tick("device plugged in: settings read back");
        const QString days = control<QLineEdit>("daysBackEdit")->text();
        const bool speed = control<QCheckBox>("detailedSpeedBox")->isChecked();
        const bool speed168h = control<QCheckBox>("speed168hBox")->isChecked();
        std::printf("  read back: days '%s', Detailed Speed %s, 168h Detailed Speed %s\n",
                    qPrintable(days), speed ? "on" : "off", speed168h ? "on" : "off");
        const bool ok = days == QLatin1String(" 28") && speed && speed168h;
        std::printf(ok ? "The device holds the new settings.\n"
                       : "The settings read back differ!\n");
        return ok;
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void plug()
    {
        QString report;
        sim::plug(m_table, m_device, QStringLiteral("KORDAVEL"), &report);
        std::printf("* device plugged in%s\n",
                    report.isEmpty() ? "" : qPrintable(QStringLiteral(" (") + report + ')'));
    }

    void unplug()
    {
        QString error;
        sim::unplug(m_table, m_device, &error);
        std::printf("* device unplugged\n");
    }

    // A control of the window, found as a UI test tool finds it: by its name.
    template <typename T> T *control(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found) {
            std::fprintf(stderr, "the window has no %s\n", name);
            std::exit(1);
        }
        return found;
    }

    void tick(const char *what)
    {
        m_ticker.step();
        report(what);
    }

    void report(const char *what)
    {
        ++m_stage;
        QApplication::processEvents();
        const QString png =
            QStringLiteral("%1/stage-%2.png").arg(m_out).arg(m_stage, 2, 10, QLatin1Char('0'));
        m_window->grab().save(png);
        std::printf("[%s] state %d, message \"%s\", instruction \"%s\", window %s -> %s\n", what,
                    int(m_cycle->state()), qPrintable(control<QLabel>("statusLabel")->text()),
                    qPrintable(control<QLabel>("instructionLabel")->text()),
                    m_window->height() > clientHeightForOuterTwips(*m_window, kShortHeightTwips)
                        ? "tall"
                        : "short",
                    qPrintable(png));
        std::fflush(stdout);
    }

    QString m_out;
    bool m_wide;
    QString m_device;
    QString m_table;
    TableDrives m_drives;
    PrintingMessageBox m_box;
    DemoTicker m_ticker;
    MainWindow *m_window = nullptr;
    const DeviceCycle *m_cycle = nullptr;
    int m_stage = 0;
};

} // namespace

// The offscreen platform warns about window size hints it cannot pass on;
// that is noise in the demo's report.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (msg.contains(QLatin1String("propagateSizeHints")) ||
        msg.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString out = QStringLiteral("demo");
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--out")); i >= 0 && i + 1 < args.size())
        out = args[i + 1];
    return Demo(QDir(out).absolutePath(), args.contains(QStringLiteral("--wide"))).run();
}
