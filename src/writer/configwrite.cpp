#include "configwrite.h"

#include "platform/files.h"

namespace kordavel {

InstallResult installConfigurationFile(Files &files, const QString &root, const QString &fileName,
                                       const QByteArray &text)
{
    InstallResult r;
    const QString updates = files.resolve(root, QStringLiteral("UPDATES"));
    if (updates.isEmpty() || !files.isDir(updates)) {
        r.problem = QStringLiteral("The Kordavel has no UPDATES folder.");
        return r;
    }
    const QString temp = childPath(updates, QLatin1String(kTemporaryName));
    files.remove(temp); // a leftover of an interrupted run
    if (const QString err = files.createDurable(temp, text); !err.isEmpty()) {
        r.problem = QStringLiteral("The configuration file could not be written (%1).").arg(err);
        return r;
    }
    const auto back = files.readFromMedium(temp, text.size() + 1);
    if (back.status != Files::ReadStatus::Ok || back.data != text) {
        files.remove(temp);
        r.problem = QStringLiteral(
            "The configuration file read back from the Kordavel differs from what was "
            "written.");
        return r;
    }
    // The file of the final name is replaced by the rename itself, so that name
    // holds the old or the new complete file at every moment.
    if (const auto names = files.listFiles(updates)) {
        for (const QString &name : *names)
            if (name.endsWith(QLatin1String(".hex"), Qt::CaseInsensitive) && name != fileName)
                files.remove(childPath(updates, name));
    }
    if (const QString err = files.rename(temp, childPath(updates, fileName));
        !err.isEmpty()) {
        files.remove(temp);
        r.problem =
            QStringLiteral("The configuration file could not be put in place (%1).").arg(err);
        return r;
    }
    if (const QString err = files.syncDir(updates); !err.isEmpty()) {
        r.problem =
            QStringLiteral("The configuration file could not be flushed to the Kordavel (%1).")
                .arg(err);
        return r;
    }
    r.written = true;
    return r;
}

} // namespace kordavel
