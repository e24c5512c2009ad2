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

} // namespace kordavel
