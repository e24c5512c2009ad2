#pragma once

#include <QByteArray>
#include <QString>

namespace kordavel {

class Files;
class Pause;

// Name under which a new configuration file is written before it is known to
// be complete; the device takes up only *.hex files, so it ignores this one.
inline constexpr char kTemporaryName[] = "KORDCFG.TMP";

// How long the installation keeps trying files that another program holds
// open (virus scanners and indexers let go within a second or so), in all,
// and the pause between two tries. Milliseconds.
struct InUseRetry
{
    int budgetMs = 2000;
    int pauseMs = 50;
};

enum class InstallStatus {
    Written,        // the new file is complete on the medium under its final name
    NothingWritten, // no new file is on the device; old HEX files may have gone
    Unconfirmed,    // the new file could neither be confirmed on the medium nor taken back
};

struct InstallResult
{
    InstallStatus status = InstallStatus::NothingWritten;
    QString problem; // what went wrong, one plain sentence; empty when written
    bool written() const { return status == InstallStatus::Written; }
};

// Puts text into root/UPDATES/fileName so that the device never sees a partial
// file: writes a temporary file, flushes it to the medium, reads it back from
// the medium and compares; only then deletes the other UPDATES/*.hex files,
// renames the temporary file over the final name and flushes the folder. When
// anything fails before that, the device's existing files are left untouched;
// the final name never holds a partial file; a folder that cannot be listed or
// an old HEX file that cannot be deleted stops the installation, since the
// device would take that file up too. A folder flush that fails after the
// rename removes the new file again. Files held open by another program are
// tried again until retry.budgetMs has passed, pausing on pause; once pause is
// stopped, the next failure ends the installation.
InstallResult installConfigurationFile(Files &files, const QString &root, const QString &fileName,
                                       const QByteArray &text, Pause &pause,
                                       const InUseRetry &retry = {});

} // namespace kordavel
