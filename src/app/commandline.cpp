#include "commandline.h"
#include "language.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>

namespace kordavel {

namespace {

// The toolkit's window options: those followed by a value, then the flags.
const char *const kToolkitOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon",  "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",      "geometry",           "title",         "name",   "visual",
    "qmljsdebugger"};
const char *const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The arguments without the toolkit's own, which the toolkit reads itself.
QStringList withoutToolkitOptions(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (i > 0 && a.startsWith(QLatin1Char('-'))) {
            // The toolkit takes its options with one dash or two.
            const QString bare =
                a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
            const bool hasValue = std::any_of(
                std::begin(kToolkitOptionsWithValue), std::end(kToolkitOptionsWithValue),
                [&](const char *o) { return bare == QLatin1String(o); });
            if (hasValue) {
                if (!a.contains(QLatin1Char('=')))
                    ++i; // its value
                continue;
            }
            if (std::any_of(std::begin(kToolkitFlags), std::end(kToolkitFlags),
                            [&](const char *o) { return bare == QLatin1String(o); }))
                continue;
        }
        kept.append(a);
    }
    return kept;
}

// --lang, naming the build's languages in alphabetical order.
QCommandLineOption languageOption()
{
    QStringList codes = supportedLanguages();
    codes.sort();
    return QCommandLineOption(
        QStringLiteral("lang"),
        QStringLiteral("Shows the window in <code>'s language for this run (%1); any other code "
                       "gives English.")
            .arg(codes.join(QStringLiteral(", "))),
        QStringLiteral("code"));
}

} // namespace

namespace {

// The program's own options.
struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Shows this help and ends.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Shows the program's version and ends.")};
    QCommandLineOption standard{
        QStringLiteral("standard"),
        QStringLiteral("Makes the fleet standard in <file> the active one for this run."),
        QStringLiteral("file")};
    QCommandLineOption apply{QStringLiteral("apply-standard"),
                             QStringLiteral("Applies the active fleet standard to every "
                                            "device read.")};
    QCommandLineOption language = languageOption();
    QCommandLineOption policy{
        QStringLiteral("policy"),
        QStringLiteral("Shows the policy your organisation set for this program, each value with "
                       "where it was set, and ends.")};
};

} // namespace

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Kordavel Configuration: sets how a Kordavel device downloads the 'Latest VU'."));
    const Options options;
    parser.addOptions({options.help, options.version, options.standard, options.apply,
                       options.language, options.policy});

    CommandLine line;
    const QString program = QStringLiteral("kordavel-config");
    const QString seeHelp = QStringLiteral("Run %1 --help to see what it takes.\n").arg(program);
    auto refuse = [&](const QString &problem) {
        line.action = CommandLine::Action::Refuse;
        line.text = program + QStringLiteral(": ") + problem + QLatin1Char('\n') + seeHelp;
        return line;
    };
    if (!parser.parse(withoutToolkitOptions(arguments)))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(options.help)) {
        line.action = CommandLine::Action::ShowHelp;
        // The usage line names the program as users start it.
        line.text = parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                              QStringLiteral("Usage: ") + program);
        return line;
    }
    if (parser.isSet(options.version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = program + QLatin1Char(' ') + version + QLatin1Char('\n');
        return line;
    }
    if (parser.isSet(options.policy)) {
        line.action = CommandLine::Action::ShowPolicy;
        return line;
    }
    if (parser.values(options.standard).size() > 1)
        return refuse(QStringLiteral("--standard is given more than once."));
    line.standardPath = parser.value(options.standard);
    if (parser.isSet(options.standard) && line.standardPath.isEmpty())
        return refuse(QStringLiteral("--standard needs the file of a fleet standard."));
    line.applyStandard = parser.isSet(options.apply);
    // The last one given holds, as a script that adds its own would expect.
    if (parser.isSet(options.language)) {
        line.language = parser.values(options.language).constLast();
        if (line.language.isEmpty())
            return refuse(QStringLiteral("--lang needs a language code such as de."));
    }
    return line;
}

} // namespace kordavel
