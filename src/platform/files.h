#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kordavel {

// Why a change to the medium failed, as far as it decides what the user is told
// and whether trying again can help.
enum class FileProblem {
    None,
    InUse,          // another program holds the file (sharing or lock violation, access
                    // denied); often passes within a second or two
    WriteProtected, // the medium refuses every write (write-protect switch, read-only mount)
    Full,           // no space left on the medium
    Other,          // anything else; text says what
};

// Outcome of an operation that changes the medium.
struct FileResult
{
    FileProblem problem = FileProblem::None;
    QString text; // "create: Read-only file system"; empty on success
    bool ok() const { return problem == FileProblem::None; }
    explicit operator bool() const { return ok(); }
};

// A failure of the operation what with the platform's error code (errno on
// POSIX, GetLastError() on Windows), classified and described.
FileResult fileFailure(const char *what, int nativeCode);

// File operations on the device's medium. Paths are absolute and use the
// platform's separator (a backslash on Windows); the relative device paths
// handed to resolve() use '/' and are matched component by component without
// regard to case.
class Files
{
public:
    virtual ~Files() = default;

    // The existing path of root + rel, matching each component of rel without
    // regard to case (an exact match wins). Empty when no such entry exists,
    // or when a component before the last is not a folder of its own (a link
    // or junction is never passed through).
    virtual QString resolve(const QString &root, const QString &rel) = 0;
    // True when path is a directory (symbolic links are not followed).
    virtual bool isDir(const QString &path) = 0;
    // True when path is an ordinary file (symbolic links are not followed).
    virtual bool isFile(const QString &path) = 0;

    enum class ReadStatus { Ok, Missing, TooLarge, Error };
    struct ReadResult
    {
        ReadStatus status = ReadStatus::Error;
        QByteArray data;
        // the platform's error code of a failed read (errno, GetLastError()); 0 otherwise
        int nativeError = 0;
    };
    // Reads a whole ordinary file of at most maxBytes bytes; never reads more
    // than maxBytes + 1 bytes into memory.
    virtual ReadResult readFile(const QString &path, qint64 maxBytes) = 0;
    // Same, but first drops the file's cached pages so the bytes come from the medium.
    virtual ReadResult readFromMedium(const QString &path, qint64 maxBytes) = 0;

    // Clears read-only state so that a delete can succeed. False on failure.
    virtual bool setNormal(const QString &path) = 0;
    // Removes one directory entry; a symbolic link is removed, never its target.
    // Refuses directories; a missing entry is a failure (Other).
    virtual FileResult remove(const QString &path) = 0;
    // Names of the entries of dir that are files or links (no directories).
    virtual std::optional<QStringList> listFiles(const QString &dir) = 0;

    // Creates path (which must not exist; links are never followed), writes
    // data, flushes it to the medium and closes it. On any failure the partial
    // file is removed.
    virtual FileResult createDurable(const QString &path, const QByteArray &data) = 0;
    // Renames within one directory, replacing an existing target.
    virtual FileResult rename(const QString &from, const QString &to) = 0;
    // Flushes a directory's entries to the medium.
    virtual FileResult syncDir(const QString &dir) = 0;
};

// The operating system's file operations.
Files &systemFiles();

// dir joined with one more name by the platform's separator.
QString childPath(const QString &dir, const QString &name);

// The file that writing to path should change: the file a symbolic link
// leads to (one to nothing yet: the file it names), so that the link stays;
// path itself when it is no link.
QString fileBehind(const QString &path);

// Replaces the file at path with content in one step through files: written
// beside it (path + ".new"), flushed, renamed over it, its folder flushed. A
// crash or a full medium leaves the old file as it was.
FileResult replaceInOneStep(Files &files, const QString &path, const QByteArray &content);

} // namespace kordavel
