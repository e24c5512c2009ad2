#include "configwrite.h"
#include "writertext.h"

#include "platform/files.h"
#include "platform/pause.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <optional>

namespace kordavel {

namespace {} // namespace

namespace {

// Runs op until it succeeds, fails for another reason than a file in use, the
// deadline has passed or the pause is stopped.
template <typename Op>
FileResult retryWhileInUse(const QDeadlineTimer &deadline, const InUseRetry &retry, Pause &pause,
                           Op op)
{
    for (;;) {
        FileResult r = op();
        if (r.problem != FileProblem::InUse || deadline.hasExpired() ||
            !pause.wait(int(std::min<qint64>(retry.pauseMs, deadline.remainingTime()))))
            return r;
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
        return WriterText::tr("The Kordavel is write-protected.");
    case FileProblem::Full:
        return WriterText::tr("There is not enough space on the Kordavel.");
    case FileProblem::InUse:
        return WriterText::tr("%1 on the Kordavel is in use by another program or locked; "
                              "close that program and try again.")
            .arg(fileName);
    case FileProblem::None:
    case FileProblem::Other:
        break;
    }
    return details;
}

// One installation into a device's UPDATES folder, step by step. Each step
// returns why it failed, or nothing. Once the temporary file is written, a
// step that fails removes it again; the last, the folder flush, removes the
// file it has put in place.
class Installation
{
public:
    Installation(Files &files, const QString &updates, Pause &pause, const InUseRetry &retry)
        : m_files(files), m_updates(updates),
          m_temp(childPath(updates, QLatin1String(kTemporaryName))), m_pause(pause), m_retry(retry),
          // One budget for the whole installation, so a held file costs at most that.
          m_deadline(retry.budgetMs)
    {}

    std::optional<QString> writeTemporary(const QByteArray &text)
    {
        // A leftover of an interrupted run; if it cannot go, creating the file
        // says why. A read-only one refuses deletion as if it were in use.
        if (m_files.isFile(m_temp)) {
            m_files.setNormal(m_temp);
            retried([&] { return m_files.remove(m_temp); });
        }
        const FileResult created = retried([&] { return m_files.createDurable(m_temp, text); });
        if (created.problem == FileProblem::InUse) {
            // No one holds a name that does not exist yet: a new file refused
            // for this long means a locked folder or a read-only medium that
            // says so only as access denied (as wine does for a read-only mount).
            return WriterText::tr("The Kordavel refuses new files; it may be write-protected "
                                  "or locked by another program.");
        }
        if (!created) {
            return describeFileProblem(
                created, QLatin1String(kTemporaryName),
                WriterText::tr("The configuration file could not be written (%1).")
                    .arg(created.text));
        }
        return std::nullopt;
    }

    std::optional<QString> verifyTemporary(const QByteArray &text)
    {
        const auto back = m_files.readFromMedium(m_temp, text.size() + 1);
        if (back.status == Files::ReadStatus::Ok && back.data == text)
            return std::nullopt;
        m_files.remove(m_temp);
        return WriterText::tr("The configuration file read back from the Kordavel differs from "
                              "what was written.");
    }

    // An old HEX file left behind would be taken up by the device as well, so
    // one that cannot be deleted stops the installation, whatever it is. The
    // file of the final name (in any letter case: the device does not tell
    // them apart, but the medium may) is kept for the rename to replace, so
    // that the name holds the old or the new complete file at every moment.
    std::optional<QString> removeOtherHexFiles(const QString &fileName)
    {
        const auto names = m_files.listFiles(m_updates);
        if (!names) {
            m_files.remove(m_temp);
            return WriterText::tr("The files in the UPDATES folder of the Kordavel could not be "
                                  "listed.");
        }
        m_target = fileName;
        if (!names->contains(fileName)) {
            for (const QString &name : *names)
                if (name.compare(fileName, Qt::CaseInsensitive) == 0)
                    m_target = name;
        }
        for (const QString &name : *names) {
            if (!name.endsWith(QLatin1String(".hex"), Qt::CaseInsensitive) || name == m_target)
                continue;
            const QString old = childPath(m_updates, name);
            m_files.setNormal(old);
            const FileResult removed = retried([&] { return m_files.remove(old); });
            if (!removed && stillListed(name)) {
                m_files.remove(m_temp);
                return describeFileProblem(
                    removed, name,
                    WriterText::tr("The old file %1 could not be deleted (%2).")
                        .arg(name, removed.text));
            }
        }
        return std::nullopt;
    }

    std::optional<QString> putInPlace(const QString &fileName)
    {
        const QString target = childPath(m_updates, m_target);
        const FileResult renamed = retried([&] { return m_files.rename(m_temp, target); });
        if (!renamed) {
            m_files.remove(m_temp);
            return describeFileProblem(
                renamed, fileName,
                WriterText::tr("The configuration file could not be put in place "
                               "(%1).")
                    .arg(renamed.text));
        }
        // The new file replaced one of the final name in other letters; it
        // takes the name's own. Should that fail, the complete file is there
        // under a name the device takes up all the same.
        if (m_target != fileName)
            retried([&] { return m_files.rename(target, childPath(m_updates, fileName)); });
        return std::nullopt;
    }

    // Until the folder is flushed the new entry may not be on the medium; a
    // device unplugged now could lose it or keep half of it, so the file goes
    // again, and that is flushed in turn, and the user is not sent to unplug.
    InstallResult flushFolder(const QString &fileName)
    {
        const FileResult synced = m_files.syncDir(m_updates);
        if (synced)
            return {InstallStatus::Written, {}};
        const QString placed = m_files.resolve(m_updates, fileName);
        if (!placed.isEmpty() && m_files.remove(placed) && m_files.syncDir(m_updates)) {
            return {InstallStatus::NothingWritten,
                    describeFileProblem(synced, fileName,
                                        WriterText::tr("The configuration file could not be "
                                                       "flushed to the Kordavel (%1).")
                                            .arg(synced.text))};
        }
        return {InstallStatus::Unconfirmed,
                WriterText::tr("The configuration file %1 could not be confirmed on the Kordavel "
                               "(%2).")
                    .arg(fileName, synced.text)};
    }

private:
    template <typename Op> FileResult retried(Op op)
    {
        return retryWhileInUse(m_deadline, m_retry, m_pause, op);
    }

    // An entry that went while its deletion failed counts as removed; one
    // that cannot be looked for counts as there.
    bool stillListed(const QString &name)
    {
        const std::optional<QStringList> now = m_files.listFiles(m_updates);
        return !now || now->contains(name);
    }

    Files &m_files;
    const QString m_updates;
    const QString m_temp;
    Pause &m_pause;
    const InUseRetry m_retry;
    const QDeadlineTimer m_deadline;
    QString m_target; // the entry the rename replaces: the final name as the folder spells it
};

} // namespace

InstallResult installConfigurationFile(Files &files, const QString &root, const QString &fileName,
                                       const QByteArray &text, Pause &pause,
                                       const InUseRetry &retry)
{
    InstallResult r;
    const QString updates = files.resolve(root, QStringLiteral("UPDATES"));
    if (updates.isEmpty() || !files.isDir(updates)) {
        r.problem = WriterText::tr("The Kordavel has no UPDATES folder.");
        return r;
    }
    Installation installation(files, updates, pause, retry);
    std::optional<QString> problem = installation.writeTemporary(text);
    if (!problem)
        problem = installation.verifyTemporary(text);
    if (!problem)
        problem = installation.removeOtherHexFiles(fileName);
    if (!problem)
        problem = installation.putInPlace(fileName);
    if (problem) {
        r.problem = *problem;
        return r;
    }
    return installation.flushFolder(fileName);
}

} // namespace kordavel
