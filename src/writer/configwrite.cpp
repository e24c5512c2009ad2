#include "configwrite.h"

#include "platform/files.h"

#include <QDeadlineTimer>
#include <QThread>

namespace kordavel {

namespace {

// Runs op until it succeeds, fails for another reason than a file in use, or
// the deadline has passed.
template <typename Op>
FileResult retryWhileInUse(const QDeadlineTimer &deadline, const InUseRetry &retry, Op op)
{
    for (;;) {
        FileResult r = op();
        if (r.problem != FileProblem::InUse || deadline.hasExpired())
            return r;
        QThread::msleep(std::min<qint64>(retry.pauseMs, deadline.remainingTime()));
    }
}

// What the user is told when a change to the device failed: a write-protected
// or full medium and a file in use (named by fileName) in plain words, any
// other failure as details.
QString describeFileProblem(const FileResult &failure, const QString &fileName,
                            const QString &details)
{
    switch (failure.problem) {
    case FileProblem::WriteProtected:
        return QStringLiteral("The Kordavel is write-protected.");
    case FileProblem::Full:
        return QStringLiteral("There is not enough space on the Kordavel.");
    case FileProblem::InUse:
        return QStringLiteral("%1 on the Kordavel is in use by another program or locked; "
                              "close that program and try again.")
            .arg(fileName);
    case FileProblem::None:
    case FileProblem::Other:
        break;
    }
    return details;
}

} // namespace

InstallResult installConfigurationFile(Files &files, const QString &root, const QString &fileName,
                                       const QByteArray &text, const InUseRetry &retry)
{
    InstallResult r;
    const QString updates = files.resolve(root, QStringLiteral("UPDATES"));
    if (updates.isEmpty() || !files.isDir(updates)) {
        r.problem = QStringLiteral("The Kordavel has no UPDATES folder.");
        return r;
    }
    // One budget for the whole installation, so a held file costs at most that.
    const QDeadlineTimer deadline(retry.budgetMs);
    const QString temp = childPath(updates, QLatin1String(kTemporaryName));
    // A leftover of an interrupted run; if it cannot go, creating the file says why.
    if (files.isFile(temp))
        retryWhileInUse(deadline, retry, [&] { return files.remove(temp); });
    const FileResult created =
        retryWhileInUse(deadline, retry, [&] { return files.createDurable(temp, text); });
    if (created.problem == FileProblem::InUse) {
        // No one holds a name that does not exist yet: a new file refused
        // for this long means a locked folder or a read-only medium that
        // says so only as access denied (as wine does for a read-only mount).
        r.problem = QStringLiteral("The Kordavel refuses new files; it may be write-protected "
                                   "or locked by another program.");
        return r;
    }
    if (!created) {
        r.problem = describeFileProblem(
            created, QLatin1String(kTemporaryName),
            QStringLiteral("The configuration file could not be written (%1).").arg(created.text));
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
    // An old HEX file left behind would be taken up by the device as well, so
    // one that cannot be deleted stops the installation. The file of the final
    // name is replaced by the rename itself, so that name holds the old or the
    // new complete file at every moment.
    if (const auto names = files.listFiles(updates)) {
        for (const QString &name : *names) {
            if (!name.endsWith(QLatin1String(".hex"), Qt::CaseInsensitive) || name == fileName)
                continue;
            const QString old = childPath(updates, name);
            files.setNormal(old);
            const FileResult removed =
                retryWhileInUse(deadline, retry, [&] { return files.remove(old); });
            if (!removed && files.isFile(old)) {
                files.remove(temp);
                r.problem =
                    describeFileProblem(removed, name,
                                        QStringLiteral("The old file %1 could not be deleted (%2).")
                                            .arg(name, removed.text));
                return r;
            }
        }
    }
    const QString target = childPath(updates, fileName);
    const FileResult renamed =
        retryWhileInUse(deadline, retry, [&] { return files.rename(temp, target); });
    if (!renamed) {
        files.remove(temp);
        r.problem = describeFileProblem(
            renamed, fileName,
            QStringLiteral("The configuration file could not be put in place (%1).")
                .arg(renamed.text));
        return r;
    }
    if (const FileResult synced = files.syncDir(updates); !synced) {
        r.problem = describeFileProblem(
            synced, fileName,
            QStringLiteral("The configuration file could not be flushed to the Kordavel (%1).")
                .arg(synced.text));
        return r;
    }
    r.written = true;
    return r;
}

} // namespace kordavel
