#include "files.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kordavel {

namespace {

QByteArray enc(const QString &p)
{
    return QFile::encodeName(p);
}

FileResult failure(const char *what)
{
    return fileFailure(what, errno);
}

bool lstatOk(const QString &path, struct stat *st)
{
    return ::lstat(enc(path).constData(), st) == 0;
}

class PosixFiles : public Files
{
public:
    QString resolve(const QString &root, const QString &rel) override
    {
        QString cur = root;
        if (cur.endsWith(QLatin1Char('/')) && cur.size() > 1)
            cur.chop(1);
        struct stat st
        {
        };
        if (!lstatOk(cur, &st))
            return {};
        const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QString &part = parts[i];
            // Every step on the way is a real folder of the device: a link
            // there would lead the read, and a deletion, off the device. st
            // describes cur, from the step before.
            if (i > 0 && !S_ISDIR(st.st_mode))
                return {};
            const QString base = cur == QLatin1String("/") ? QString() : cur;
            const QString exact = base + QLatin1Char('/') + part;
            if (lstatOk(exact, &st)) {
                cur = exact;
                continue;
            }
            // Device file systems match names without regard to case; so do we.
            DIR *d = ::opendir(enc(cur.isEmpty() ? QStringLiteral("/") : cur).constData());
            if (!d)
                return {};
            QString found;
            while (dirent *e = ::readdir(d)) {
                const QString name = QFile::decodeName(e->d_name);
                if (name.compare(part, Qt::CaseInsensitive) == 0) {
                    found = name;
                    break;
                }
            }
            ::closedir(d);
            if (found.isEmpty())
                return {};
            cur = base + QLatin1Char('/') + found;
            if (!lstatOk(cur, &st))
                return {};
        }
        return cur;
    }

    bool isDir(const QString &path) override
    {
        struct stat st
        {
        };
        return lstatOk(path, &st) && S_ISDIR(st.st_mode);
    }

    bool isFile(const QString &path) override
    {
        struct stat st
        {
        };
        return lstatOk(path, &st) && S_ISREG(st.st_mode);
    }

    ReadResult readFile(const QString &path, qint64 maxBytes) override
    {
        return read(path, maxBytes, false);
    }

    ReadResult readFromMedium(const QString &path, qint64 maxBytes) override
    {
        return read(path, maxBytes, true);
    }

    bool setNormal(const QString &path) override
    {
        // Only the entry looked at changes: never what a link leads to, and
        // a FIFO or device node is never opened (opening may act on it). The
        // mode changes through the descriptor of what was opened, should the
        // entry have been swapped in between.
        struct stat st
        {
        };
        if (!lstatOk(path, &st))
            return false;
        if (!S_ISREG(st.st_mode))
            return true; // a link or special entry has no attributes of its own to clear
        const int fd =
            ::open(enc(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return errno == ELOOP; // a link now: nothing of its own to clear
        struct stat opened
        {
        };
        bool ok = ::fstat(fd, &opened) == 0;
        if (ok && S_ISREG(opened.st_mode))
            ok = ::fchmod(fd, opened.st_mode | S_IRUSR | S_IWUSR) == 0;
        ::close(fd);
        return ok;
    }

    FileResult remove(const QString &path) override
    {
        struct stat st
        {
        };
        if (!lstatOk(path, &st))
            return failure("delete");
        if (S_ISDIR(st.st_mode))
            return fileFailure("delete", EISDIR);
        if (::unlink(enc(path).constData()) != 0)
            return failure("delete");
        return {};
    }

    std::optional<QStringList> listFiles(const QString &dir) override
    {
        DIR *d = ::opendir(enc(dir).constData());
        if (!d)
            return std::nullopt;
        QStringList out;
        while (dirent *e = ::readdir(d)) {
            const QString name = QFile::decodeName(e->d_name);
            if (name == QLatin1String(".") || name == QLatin1String(".."))
                continue;
            struct stat st
            {
            };
            if (lstatOk(dir + QLatin1Char('/') + name, &st) && !S_ISDIR(st.st_mode))
                out.append(name);
        }
        ::closedir(d);
        return out;
    }

    FileResult createDurable(const QString &path, const QByteArray &data) override
    {
        const QByteArray p = enc(path);
        const int fd =
            ::open(p.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            return failure("create");
        FileResult result;
        qint64 done = 0;
        while (done < data.size() && result.ok()) {
            const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                result = failure("write");
            else if (n == 0)
                result = fileFailure("write", ENOSPC); // nothing taken: no room left
            else
                done += n;
        }
        if (result.ok() && ::fsync(fd) != 0)
            result = failure("flush");
        if (::close(fd) != 0 && result.ok())
            result = failure("close");
        if (!result.ok())
            ::unlink(p.constData());
        return result;
    }

    FileResult rename(const QString &from, const QString &to) override
    {
        struct stat st
        {
        };
        if (lstatOk(to, &st) && S_ISDIR(st.st_mode))
            return fileFailure("rename", EISDIR);
        if (::rename(enc(from).constData(), enc(to).constData()) != 0)
            return failure("rename");
        return {};
    }

    FileResult syncDir(const QString &dir) override
    {
        const int fd = ::open(enc(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return failure("open folder");
        FileResult result;
        if (::fsync(fd) != 0 && errno != EINVAL)
            result = failure("flush folder");
        ::close(fd);
        return result;
    }

private:
    ReadResult read(const QString &path, qint64 maxBytes, bool fromMedium)
    {
        ReadResult r;
        qint64 size = 0;
        const int fd = openOrdinaryFile(path, r, size);
        if (fd < 0)
            return r;
        if (fromMedium) {
            ::fdatasync(fd);
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        }
        readAll(fd, maxBytes, size, r);
        ::close(fd);
        return r;
    }

    // Opens path for reading if it is an ordinary file; else -1, with r saying
    // why. Any other entry counts as no file at all, so it is neither read nor
    // deleted as a bad one. It is looked at before it is opened (a device node
    // may act on being opened), and then opened without waiting and without
    // following a link, in case it was swapped meanwhile: a FIFO would block
    // the open until a writer came, and a link leads off the device.
    static int openOrdinaryFile(const QString &path, ReadResult &r, qint64 &size)
    {
        struct stat entry
        {
        };
        if (::lstat(enc(path).constData(), &entry) == 0 && !S_ISREG(entry.st_mode)) {
            r.status = ReadStatus::Missing;
            return -1;
        }
        const int fd =
            ::open(enc(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            r.nativeError = errno;
            // ELOOP: a symbolic link; ENXIO: a socket.
            r.status = errno == ENOENT || errno == ENOTDIR || errno == ELOOP || errno == ENXIO
                           ? ReadStatus::Missing
                           : ReadStatus::Error;
            return -1;
        }
        struct stat st
        {
        };
        const bool known = ::fstat(fd, &st) == 0;
        if (!known || !S_ISREG(st.st_mode)) {
            r.nativeError = known ? 0 : errno;
            r.status = known ? ReadStatus::Missing : ReadStatus::Error;
            ::close(fd);
            return -1;
        }
        size = st.st_size;
        return fd;
    }

    // Reads fd to its end into r, at most one byte past maxBytes: enough to
    // know the file is too large.
    static void readAll(int fd, qint64 maxBytes, qint64 size, ReadResult &r)
    {
        const qint64 cap = maxBytes + 1;
        r.data.resize(int(std::min<qint64>(cap, size > 0 ? size + 1 : 4096)));
        qint64 got = 0;
        for (;;) {
            if (got == r.data.size()) {
                if (got >= cap)
                    break;
                r.data.resize(int(std::min<qint64>(cap, got * 2 + 1)));
            }
            const ssize_t n = ::read(fd, r.data.data() + got, size_t(r.data.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                r.nativeError = errno;
                r.data.clear();
                r.status = ReadStatus::Error;
                return;
            }
            if (n == 0)
                break;
            got += n;
        }
        r.data.truncate(int(got));
        r.status = got > maxBytes ? ReadStatus::TooLarge : ReadStatus::Ok;
        if (got > maxBytes)
            r.data.clear();
    }
};

} // namespace

FileResult fileFailure(const char *what, int nativeCode)
{
    FileResult r;
    switch (nativeCode) {
    case EBUSY:
    case ETXTBSY:
        r.problem = FileProblem::InUse;
        break;
    case EROFS:
        r.problem = FileProblem::WriteProtected;
        break;
    case ENOSPC:
    case EDQUOT:
        r.problem = FileProblem::Full;
        break;
    default:
        r.problem = FileProblem::Other;
        break;
    }
    r.text = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                          QString::fromLocal8Bit(std::strerror(nativeCode)));
    return r;
}

QString childPath(const QString &dir, const QString &name)
{
    return dir.endsWith(QLatin1Char('/')) ? dir + name : dir + QLatin1Char('/') + name;
}

Files &systemFiles()
{
    static PosixFiles files;
    return files;
}

} // namespace kordavel
