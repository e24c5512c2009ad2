#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kordavel {

// File operations on the device's medium. Paths are absolute and use the
// platform's separator (a backslash on Windows); the relative device paths
// handed to resolve() use '/' and are matched component by component without
// regard to case.
class Files
{
public:
    virtual ~Files() = default;

    // The existing path of root + rel, matching each component of rel without
    // regard to case (an exact match wins). Empty when no such entry exists.
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
    };
    // Reads a whole ordinary file of at most maxBytes bytes; never reads more
    // than maxBytes + 1 bytes into memory.
    virtual ReadResult readFile(const QString &path, qint64 maxBytes) = 0;
    // Same, but first drops the file's cached pages so the bytes come from the medium.
    virtual ReadResult readFromMedium(const QString &path, qint64 maxBytes) = 0;

    // Clears read-only state so that a delete can succeed. False on failure.
    virtual bool setNormal(const QString &path) = 0;
    // Removes one directory entry; a symbolic link is removed, never its target.
    // Refuses directories. False on failure.
    virtual bool remove(const QString &path) = 0;
    // Names of the entries of dir that are files or links (no directories).
    virtual std::optional<QStringList> listFiles(const QString &dir) = 0;

    // Creates path (which must not exist; links are never followed), writes
    // data, flushes it to the medium and closes it. On any failure the partial
    // file is removed and an error text is returned; empty text on success.
    virtual QString createDurable(const QString &path, const QByteArray &data) = 0;
    // Renames within one directory, replacing an existing target. Error text or empty.
    virtual QString rename(const QString &from, const QString &to) = 0;
    // Flushes a directory's entries to the medium. Error text or empty.
    virtual QString syncDir(const QString &dir) = 0;
};

// The operating system's file operations.
Files &systemFiles();

// dir joined with one more name by the platform's separator.
QString childPath(const QString &dir, const QString &name);

} // namespace kordavel
