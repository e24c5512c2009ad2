#include "helptext.h"

#include <QCoreApplication>
#include <QStringList>

namespace kordavel {

namespace {
// The help's texts, translated in the help window's context.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(kordavel::HelpWindow)
};
} // namespace

QString notSuitableNotice()
{
    return Text::tr("The software version of this Kordavel is not suitable\r\n"
                    "for use with this configuration tool.");
}

QString fullHelpText()
{
    const QStringList lines = {
        QString(),
        Text::tr("Instructions"),
        Text::tr(
            "Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. "
            "Use this utility to adjust the configuration settings. Click 'Configure',  "
            "then follow the disconnect and reconnect instructions."),
        QString(),
        Text::tr("Latest VU download setting options"),
        Text::tr("Before SW 27 - Download only standard VU data"),
        Text::tr("SW 27 and later - Also download manufacturer-specific data"),
        QString(),
        Text::tr("Download Start and End dates supported from SW 54"),
        QString(),
        Text::tr("Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE."),
        QString(),
        Text::tr("Downloaded File Names"),
        Text::tr("SW 23 and later - Short file names, ESM/CRD or DDD"),
        Text::tr("SW 27 and later - Long or short file names."),
        QString(),
        Text::tr("Notes"),
        Text::tr("Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable "
                 "for use with this configuration utility."),
        Text::tr("Irrespective of software version, Kordavel units prior to serial number 26000"
                 " do not support long file names."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString helpText(HelpTopic topic)
{
    return topic == HelpTopic::NotSuitable ? notSuitableNotice() : fullHelpText();
}

} // namespace kordavel
