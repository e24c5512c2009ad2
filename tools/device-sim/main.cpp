// kordavel-device-sim: a simulated Kordavel device for demos and tests.
#include "devicesim.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace kordavel::sim;

namespace {

int usage()
{
    std::fputs(
        "usage:\n"
        "  kordavel-device-sim create DIR [--family TQ|CR] [--version N] [--config-byte HH]\n"
        "                      [--period-days N] [--first-codes HEX] [--second-codes HEX]\n"
        "                      [--dates START END (yyyy-MM-dd)] [--from FILE]\n"
        "  kordavel-device-sim plug DIR --table FILE [--label LABEL]\n"
        "  kordavel-device-sim unplug DIR --table FILE\n"
        "  kordavel-device-sim show DIR\n",
        stderr);
    return 2;
}

quint32 secondsOf(const QString &date)
{
    const QDate d = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? quint32(QDate(1970, 1, 1).daysTo(d) * 86400) : 0;
}

// The value after name among args; empty when it is not given.
QString optionValue(const QStringList &args, const QString &name)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

// The version file's settings as the options of create give them.
VersionFileFields settingsFromOptions(const QStringList &args)
{
    const auto option = [&args](const char *name) {
        return optionValue(args, QLatin1String(name));
    };
    VersionFileFields s;
    if (const QString v = option("--family"); !v.isEmpty())
        s.family = v.toLatin1();
    if (const QString v = option("--version"); !v.isEmpty())
        s.version = v.toInt();
    if (const QString v = option("--config-byte"); !v.isEmpty())
        s.configByte = v.toInt(nullptr, 16);
    if (const QString v = option("--period-days"); !v.isEmpty()) {
        const qint32 secs = v.toInt() * 86400;
        s.period = v.toInt() == 0
                       ? QByteArray(4, char(0xFF))
                       : QByteArray::fromRawData(reinterpret_cast<const char *>(&secs), 4);
        s.period.detach();
    }
    if (const QString v = option("--first-codes"); !v.isEmpty())
        s.firstCodes = QByteArray::fromHex(v.toLatin1());
    if (const QString v = option("--second-codes"); !v.isEmpty())
        s.secondCodes = QByteArray::fromHex(v.toLatin1());
    if (const qsizetype i = args.indexOf(QStringLiteral("--dates"));
        i >= 0 && i + 2 < args.size()) {
        s.useDates = true;
        s.start = secondsOf(args[i + 1]);
        s.end = secondsOf(args[i + 2]);
    }
    return s;
}

int create(const QString &dir, const QStringList &args, QTextStream &out)
{
    QByteArray data;
    if (const QString from = optionValue(args, QStringLiteral("--from")); !from.isEmpty()) {
        QFile f(from);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(from));
            return 1;
        }
        data = f.readAll();
    } else {
        data = makeVersionFile(settingsFromOptions(args));
    }
    QString error;
    if (!createDevice(dir, data, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    out << "created " << dir << " (" << data.size() << "-byte version file)\n";
    return 0;
}

int plugOrUnplug(const QString &command, const QString &dir, const QStringList &args,
                 QTextStream &out)
{
    const QString table = optionValue(args, QStringLiteral("--table"));
    if (table.isEmpty())
        return usage();
    QString label = optionValue(args, QStringLiteral("--label"));
    if (label.isEmpty())
        label = QStringLiteral("KORDAVEL");
    QString report;
    const bool ok = command == QLatin1String("plug") ? plug(table, dir, label, &report)
                                                     : unplug(table, dir, &report);
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(report));
        return 1;
    }
    if (!report.isEmpty())
        out << report << "\n";
    out << command << "ged " << dir << "\n";
    return 0;
}

int show(const QString &dir, QTextStream &out)
{
    QFile f(dir + QStringLiteral("/UPDATES/kordvers.ion"));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no version file\n");
        return 1;
    }
    const QByteArray d = f.readAll();
    out << "kordvers.ion (" << d.size() << " bytes): " << d.toHex(' ').toUpper() << "\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString command = args.takeFirst();
    const QString dir = args.takeFirst();
    QTextStream out(stdout);
    if (command == QLatin1String("create"))
        return create(dir, args, out);
    if (command == QLatin1String("plug") || command == QLatin1String("unplug"))
        return plugOrUnplug(command, dir, args, out);
    if (command == QLatin1String("show"))
        return show(dir, out);
    return usage();
}
