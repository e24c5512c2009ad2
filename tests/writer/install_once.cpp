// Installs one configuration file into DIR/UPDATES with the system's file
// backend and nothing else, so that a system-call or API trace of this
// program shows exactly the installation's steps.
#include "platform/files.h"
#include "platform/pause.h"
#include "writer/configwrite.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: install_once DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QByteArray text = ":0400000054510000CD\r\n:00000001FF\r\n";
    kordavel::Pause pause;
    const kordavel::InstallResult r = kordavel::installConfigurationFile(
        kordavel::systemFiles(), root, QStringLiteral("DI999000.HEX"), text, pause);
    if (!r.written()) {
        std::fprintf(stderr, "%s\n", qPrintable(r.problem));
        return 1;
    }
    return 0;
}
