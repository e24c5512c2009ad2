#include "helptext.h"

#include <QStringList>

namespace kordavel {

QString notSuitableNotice()
{
    return QStringLiteral("The software version of this Kordavel is not suitable\r\n"
                          "for use with this configuration tool.");
}

QString fullHelpText()
{
    const QStringList lines = {
        QString(),
        QStringLiteral("Instructions"),
        QStringLiteral(
            "Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. ") +
            QStringLiteral(
                "Use this utility to adjust the configuration settings. Click 'Configure',  ") +
            QStringLiteral("then follow the disconnect and reconnect instructions."),
        QString(),
        QStringLiteral("Latest VU download setting options"),
        QStringLiteral("Before SW 27 - Download only standard VU data"),
        QStringLiteral("SW 27 and later - Also download manufacturer-specific data"),
        QString(),
        QStringLiteral("Download Start and End dates supported from SW 54"),
        QString(),
        QStringLiteral(
            "Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE."),
        QString(),
        QStringLiteral("Downloaded File Names"),
        QStringLiteral("SW 23 and later - Short file names, ESM/CRD or DDD"),
        QStringLiteral("SW 27 and later - Long or short file names."),
        QString(),
        QStringLiteral("Notes"),
        QStringLiteral(
            "Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable ") +
            QStringLiteral("for use with this configuration utility."),
        QStringLiteral(
            "Irrespective of software version, Kordavel units prior to serial number 26000") +
            QStringLiteral(" do not support long file names."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString helpText(HelpTopic topic)
{
    return topic == HelpTopic::NotSuitable ? notSuitableNotice() : fullHelpText();
}

} // namespace kordavel
