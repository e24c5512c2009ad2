#pragma once

#include <QString>

namespace kordavel {

// The folder holding the running program, without a trailing separator.
QString programFolder();

// The program's version numbers, set once by the build.
struct ProgramVersion
{
    int major;
    int minor;
    int revision;
};
ProgramVersion programVersion();

// Writes text to where the program was started from: its standard output
// (or error), which on Windows is the console of the program that started it,
// or the file or pipe a script gave it. Nothing is shown when there is none.
enum class ConsoleStream { Output, Error };
void writeToConsole(const QString &text, ConsoleStream stream);

// Ends the process at once with status: no destructor, no exit handler and no
// library's shutdown runs, so a thread that a device holds inside a system call
// cannot hold the end up. Output is flushed first.
[[noreturn]] void endProcessNow(int status);

} // namespace kordavel
