#include "helptext.h"
#include "helptr.h"

#include <QCoreApplication>
#include <QStringList>

namespace kordavel {

namespace {} // namespace

QString notSuitableNotice()
{
    return HelpText::tr("The software version of this Kordavel is not suitable\r\n"
                        "for use with this configuration tool.");
}

QString fullHelpText()
{
    const QStringList lines = {
        QString(),
        HelpText::tr("Instructions"),
        HelpText::tr(
            "Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. "
            "Use this utility to adjust the configuration settings. Click 'Configure',  "
            "then follow the disconnect and reconnect instructions."),
        QString(),
        HelpText::tr("Latest VU download setting options"),
        HelpText::tr("Before SW 27 - Download only standard VU data"),
        HelpText::tr("SW 27 and later - Also download manufacturer-specific data"),
        QString(),
        HelpText::tr("Download Start and End dates supported from SW 54"),
        QString(),
        HelpText::tr(
            "Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE."),
        QString(),
        HelpText::tr("Downloaded File Names"),
        HelpText::tr("SW 23 and later - Short file names, ESM/CRD or DDD"),
        HelpText::tr("SW 27 and later - Long or short file names."),
        QString(),
        HelpText::tr("Notes"),
        HelpText::tr(
            "Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable "
            "for use with this configuration utility."),
        HelpText::tr("Irrespective of software version, Kordavel units prior to serial number 26000"
                     " do not support long file names."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString helpText(HelpTopic topic)
{
    return topic == HelpTopic::NotSuitable ? notSuitableNotice() : fullHelpText();
}

} // namespace kordavel
