// kordavel-device-sim-window: a small control window for the simulated device,
// so that a user without hardware can walk the whole cycle by hand.
#include "devicesim.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

using namespace kordavel::sim;

namespace {

class SimWindow : public QWidget
{
public:
    SimWindow(QString dir, QString table) : m_dir(std::move(dir)), m_table(std::move(table))
    {
        setWindowTitle(QStringLiteral("Simulated Kordavel"));
        auto *layout = new QVBoxLayout(this);
        m_status = new QLabel(this);
        QFont big = m_status->font();
        big.setPointSizeF(big.pointSizeF() * 1.3);
        big.setBold(true);
        m_status->setFont(big);
        layout->addWidget(m_status);

        auto *buttons = new QHBoxLayout;
        auto *plugButton = new QPushButton(QStringLiteral("&Plug in"), this);
        auto *unplugButton = new QPushButton(QStringLiteral("&Unplug"), this);
        buttons->addWidget(plugButton);
        buttons->addWidget(unplugButton);
        layout->addLayout(buttons);

        auto *form = new QFormLayout;
        m_family = new QComboBox(this);
        m_family->addItems({QStringLiteral("TQ"), QStringLiteral("CR")});
        m_version = new QSpinBox(this);
        m_version->setRange(0, 999);
        m_version->setValue(54);
        form->addRow(QStringLiteral("Family"), m_family);
        form->addRow(QStringLiteral("Software version"), m_version);
        auto *recreate =
            new QPushButton(QStringLiteral("&New device with this family and version"), this);
        form->addRow(recreate);
        layout->addLayout(form);

        m_takeUp = new QLabel(QStringLiteral("Last take-up: none"), this);
        m_takeUp->setWordWrap(true);
        layout->addWidget(m_takeUp);
        m_files = new QPlainTextEdit(this);
        m_files->setReadOnly(true);
        m_files->setFont(QFont(QStringLiteral("monospace")));
        m_files->setMinimumSize(460, 200);
        layout->addWidget(m_files);
        connectButtons(plugButton, unplugButton, recreate);
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] { refresh(); });
        timer->start(1000);
        refresh();
    }

private:
    void connectButtons(QPushButton *plugButton, QPushButton *unplugButton, QPushButton *recreate)
    {
        connect(plugButton, &QPushButton::clicked, this, [this] {
            QString report;
            plug(m_table, m_dir, QStringLiteral("KORDAVEL"), &report);
            if (!report.isEmpty())
                m_takeUp->setText(QStringLiteral("Last take-up: ") + report);
            refresh();
        });
        connect(unplugButton, &QPushButton::clicked, this, [this] {
            QString error;
            unplug(m_table, m_dir, &error);
            refresh();
        });
        connect(recreate, &QPushButton::clicked, this, [this] {
            QString error;
            unplug(m_table, m_dir, &error);
            QDir(m_dir).removeRecursively();
            VersionFileFields s;
            s.family = m_family->currentText().toLatin1();
            s.version = m_version->value();
            createDevice(m_dir, makeVersionFile(s), &error);
            m_takeUp->setText(QStringLiteral("Last take-up: none"));
            refresh();
        });
    }

    void refresh()
    {
        m_status->setText(isPlugged(m_table, m_dir) ? QStringLiteral("Device: plugged in")
                                                    : QStringLiteral("Device: unplugged"));
        QString text;
        const QDir updates(m_dir + QStringLiteral("/UPDATES"));
        for (const QString &name : updates.entryList(QDir::Files, QDir::Name)) {
            QFile f(updates.filePath(name));
            f.open(QIODevice::ReadOnly);
            const QByteArray data = f.readAll();
            text += QStringLiteral("UPDATES/%1 (%2 bytes)\n").arg(name).arg(data.size());
            if (name.endsWith(QLatin1String(".ion")))
                for (int i = 0; i < data.size(); i += 16)
                    text += QStringLiteral("  %1: %2\n")
                                .arg(i, 2)
                                .arg(QString::fromLatin1(data.mid(i, 16).toHex(' ').toUpper()));
            else
                text +=
                    QString::fromLatin1(data).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        }
        if (m_files->toPlainText() != text)
            m_files->setPlainText(text);
    }

    QString m_dir;
    QString m_table;
    QLabel *m_status;
    QLabel *m_takeUp;
    QComboBox *m_family;
    QSpinBox *m_version;
    QPlainTextEdit *m_files;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype t = args.indexOf(QStringLiteral("--table"));
    if (args.size() < 2 || t < 0 || t + 1 >= args.size()) {
        std::fputs("usage: kordavel-device-sim-window DIR --table FILE\n", stderr);
        return 2;
    }
    SimWindow w(args[1], args[t + 1]);
    w.move(380, 100);
    w.show();
    return QApplication::exec();
}
