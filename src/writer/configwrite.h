#pragma once

#include <QByteArray>
#include <QString>

namespace kordavel {

class Files;

// Name under which a new configuration file is written before it is known to
// be complete; the device takes up only *.hex files, so it ignores this one.
inline constexpr char kTemporaryName[] = "KORDCFG.TMP";

struct InstallResult
{
    bool written = false;
    QString problem; // why nothing was written
};

// Puts text into root/UPDATES/fileName so that the device never sees a partial
// file: writes a temporary file, flushes it to the medium, reads it back from
// the medium and compares; only then deletes the other UPDATES/*.hex files,
// renames the temporary file over the final name and flushes the folder. When
// anything fails before that, the device's existing files are left untouched;
// the final name never holds a partial file.
InstallResult installConfigurationFile(Files &files, const QString &root, const QString &fileName,
                                       const QByteArray &text);

} // namespace kordavel
