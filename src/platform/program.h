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

// Ends the process at once with status: no destructor, no exit handler and no
// library's shutdown runs, so a thread that a device holds inside a system call
// cannot hold the end up. Output is flushed first.
[[noreturn]] void endProcessNow(int status);

} // namespace kordavel
