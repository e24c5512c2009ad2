#pragma once

#include <QString>
#include <QStringList>

namespace kordavel {

// What the command line asks for.
struct CommandLine
{
    enum class Action {
        Run,         // start the window
        ShowHelp,    // print text and end with status 0
        ShowVersion, // print text and end with status 0
        ShowPolicy,  // print the policy in force and end with status 0
        Refuse,      // print text (the error, then how to get help) and end with kBadUsageStatus
    };
    Action action = Action::Run;
    QString text;         // what to print for every action but Run
    QString standardPath; // --standard: the fleet standard for this run; empty: the remembered one
    bool applyStandard = false; // --apply-standard: applied to every device read
    QString language;           // --lang: a language code for this run; empty: the system's
};

// Exit status of a command line the program does not take.
inline constexpr int kBadUsageStatus = 2;

// Reads the program's arguments (the first is the program itself). The
// toolkit's own window options (-platform, --style, ...) are left to the
// toolkit. version is what --version prints after the program's name.
CommandLine parseCommandLine(const QStringList &arguments, const QString &version);

} // namespace kordavel
