// File operations on the device's medium through the Win32 wide-character API.
#include "drives_win_api.h"
#include "files.h"

#include <QDir>

#include <windows.h>

#include <algorithm>
#include <optional>

namespace kordavel {

namespace {

constexpr DWORD kInvalidAttributes = INVALID_FILE_ATTRIBUTES;
// Unbuffered reads must cover whole sectors into a sector-aligned buffer;
// 4096 bytes is a multiple of every sector size in use.
constexpr qint64 kSectorAlign = 4096;

std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString describe(DWORD code)
{
    wchar_t *message = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t *>(&message), 0, nullptr);
    QString text = n ? QString::fromWCharArray(message, int(n)).trimmed()
                     : QStringLiteral("error %1").arg(code);
    if (message)
        LocalFree(message);
    return text;
}

FileResult failure(const char *what, DWORD code = GetLastError())
{
    return fileFailure(what, int(code));
}

DWORD attributesOf(const QString &path)
{
    return GetFileAttributesW(wide(path).c_str());
}

bool isReparsePoint(DWORD a)
{
    return a != kInvalidAttributes && (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Closes a handle when it goes out of scope.
class Handle
{
public:
    explicit Handle(HANDLE h) : m_h(h) {}
    ~Handle()
    {
        if (valid())
            CloseHandle(m_h);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    bool valid() const { return m_h != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_h; }
    // Closes now; false when closing failed.
    bool close()
    {
        const bool ok = CloseHandle(m_h) != 0;
        m_h = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_h;
};

class WinFiles : public Files
{
public:
    WinFiles() { win::suppressCriticalErrorDialogs(); }

    QString resolve(const QString &root, const QString &rel) override
    {
        QString cur = QDir::toNativeSeparators(root);
        // "E:\" keeps its separator; a folder root loses it.
        if (cur.endsWith(QLatin1Char('\\')) && !(cur.size() == 3 && cur[1] == QLatin1Char(':')))
            cur.chop(1);
        DWORD attributes = attributesOf(cur); // of cur, at every step
        if (attributes == kInvalidAttributes)
            return {};
        const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QString &part = parts[i];
            if (part.contains(QLatin1Char('*')) || part.contains(QLatin1Char('?')))
                return {};
            // Every step on the way is a real folder of the device: a link or
            // junction there would lead the read, and a deletion, off the device.
            if (i > 0 && (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || isReparsePoint(attributes)))
                return {};
            const QString candidate = childPath(cur, part);
            // Windows matches names without regard to case; the listing gives
            // the name as it is stored.
            WIN32_FIND_DATAW found{};
            const HANDLE h = FindFirstFileExW(wide(candidate).c_str(), FindExInfoBasic, &found,
                                              FindExSearchNameMatch, nullptr, 0);
            if (h == INVALID_HANDLE_VALUE)
                return {};
            FindClose(h);
            cur = childPath(cur, QString::fromWCharArray(found.cFileName));
            attributes = found.dwFileAttributes;
        }
        return cur;
    }

    bool isDir(const QString &path) override
    {
        const DWORD a = attributesOf(path);
        return a != kInvalidAttributes && (a & FILE_ATTRIBUTE_DIRECTORY) && !isReparsePoint(a);
    }

    bool isFile(const QString &path) override
    {
        const DWORD a = attributesOf(path);
        return a != kInvalidAttributes && !(a & FILE_ATTRIBUTE_DIRECTORY) &&
               !(a & FILE_ATTRIBUTE_DEVICE) && !isReparsePoint(a);
    }

    ReadResult readFile(const QString &path, qint64 maxBytes) override
    {
        return read(path, maxBytes, false);
    }

    ReadResult readFromMedium(const QString &path, qint64 maxBytes) override
    {
        // Unbuffered reads bypass the system cache and so come from the medium.
        // A file system that refuses them (some network and virtual ones)
        // gets an ordinary read; the file was flushed with FlushFileBuffers.
        // The refusal is told by the code of the call that failed, carried in
        // the result: GetLastError() now would tell what the cleanup left.
        ReadResult r = read(path, maxBytes, true);
        if (r.status == ReadStatus::Error && r.nativeError == ERROR_INVALID_PARAMETER)
            r = read(path, maxBytes, false);
        return r;
    }

    bool setNormal(const QString &path) override
    {
        // The entry itself is opened (a link or junction as itself, never
        // what it leads to) and changed through that handle, so what was
        // looked at is what changes, should the name have been swapped.
        Handle entry(CreateFileW(
            wide(path).c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!entry.valid())
            return false;
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileType(entry.get()) != FILE_TYPE_DISK ||
            !GetFileInformationByHandle(entry.get(), &info))
            return false;
        if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))
            return true;         // a link is removed as it stands, its target is never touched
        FILE_BASIC_INFO basic{}; // times of 0 stay as they are
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        return SetFileInformationByHandle(entry.get(), FileBasicInfo, &basic, sizeof basic) != 0;
    }

    FileResult remove(const QString &path) override
    {
        const DWORD a = attributesOf(path);
        if (a == kInvalidAttributes)
            return failure("delete");
        bool removed = false;
        if (isReparsePoint(a)) {
            // A junction or a folder link goes with RemoveDirectory, a file
            // link with DeleteFile; both remove the link itself.
            removed = (a & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(wide(path).c_str()) != 0
                                                     : DeleteFileW(wide(path).c_str()) != 0;
        } else if (a & FILE_ATTRIBUTE_DIRECTORY) {
            return failure("delete", ERROR_DIRECTORY);
        } else {
            removed = DeleteFileW(wide(path).c_str()) != 0;
        }
        return removed ? FileResult{} : failure("delete");
    }

    std::optional<QStringList> listFiles(const QString &dir) override
    {
        WIN32_FIND_DATAW e{};
        const HANDLE h = FindFirstFileExW(wide(childPath(dir, QStringLiteral("*"))).c_str(),
                                          FindExInfoBasic, &e, FindExSearchNameMatch, nullptr, 0);
        if (h == INVALID_HANDLE_VALUE)
            return GetLastError() == ERROR_FILE_NOT_FOUND
                       ? std::optional<QStringList>(QStringList())
                       : std::nullopt;
        QStringList out;
        do {
            const QString name = QString::fromWCharArray(e.cFileName);
            if (name == QLatin1String(".") || name == QLatin1String(".."))
                continue;
            // Links count as files, as they do on other systems.
            if (!(e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
                (e.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                out.append(name);
        } while (FindNextFileW(h, &e));
        FindClose(h);
        return out;
    }

    FileResult createDurable(const QString &path, const QByteArray &data) override
    {
        const std::wstring p = wide(path);
        // CREATE_NEW refuses any existing entry, links included; the flag keeps
        // a reparse point from being followed should one appear meanwhile.
        Handle file(CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT |
                                    FILE_FLAG_WRITE_THROUGH,
                                nullptr));
        if (!file.valid())
            return failure("create");
        FileResult result;
        qint64 done = 0;
        while (done < data.size() && result.ok()) {
            DWORD written = 0;
            const DWORD chunk = DWORD(std::min<qint64>(data.size() - done, 1 << 20));
            if (!WriteFile(file.get(), data.constData() + done, chunk, &written, nullptr))
                result = failure("write");
            else if (written == 0)
                result = failure("write", ERROR_DISK_FULL); // nothing taken: no room left
            else
                done += written;
        }
        if (result.ok() && !FlushFileBuffers(file.get()))
            result = failure("flush");
        if (!file.close() && result.ok())
            result = failure("close");
        if (!result.ok())
            DeleteFileW(p.c_str());
        return result;
    }

    FileResult rename(const QString &from, const QString &to) override
    {
        const DWORD a = attributesOf(to);
        if (a != kInvalidAttributes && (a & FILE_ATTRIBUTE_DIRECTORY))
            return failure("rename", ERROR_DIRECTORY);
        // Write-through: the call returns once the move is on the medium.
        if (!MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return failure("rename");
        return {};
    }

    FileResult syncDir(const QString &dir) override
    {
        Handle h(CreateFileW(wide(dir).c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!h.valid())
            return failure("open folder");
        if (!FlushFileBuffers(h.get())) {
            const DWORD code = GetLastError();
            // File systems that cannot flush a folder refuse the call; the
            // write-through rename has already put the entry on the medium.
            if (code != ERROR_INVALID_FUNCTION && code != ERROR_ACCESS_DENIED)
                return failure("flush folder", code);
        }
        return {};
    }

private:
    static ReadResult readFailure(ReadStatus status, DWORD code = NO_ERROR)
    {
        ReadResult r;
        r.status = status;
        r.nativeError = int(code);
        return r;
    }

    // Whatever sits on the device under the file's name is opened as itself,
    // never through a link: FILE_FLAG_OPEN_REPARSE_POINT opens a symbolic link
    // or junction, not what it leads to. Only an ordinary file on a disk is
    // then read; a folder, a link or a device counts as no file at all
    // (Missing), so it is neither read nor deleted as a bad one. A failed call
    // leaves its code in nativeError, taken the moment it fails.
    ReadResult read(const QString &path, qint64 maxBytes, bool unbuffered)
    {
        const std::wstring name = wide(path);
        Handle file(CreateFileW(name.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT |
                                    (unbuffered ? FILE_FLAG_NO_BUFFERING : 0),
                                nullptr));
        if (!file.valid())
            return openFailure(name);
        qint64 size = 0;
        if (const std::optional<ReadResult> notAFile = ordinaryFileSize(file, size))
            return *notAFile;
        if (size > maxBytes)
            return readFailure(ReadStatus::TooLarge);
        return readAll(file, size, maxBytes, unbuffered);
    }

    // Why the file name could not be opened for reading.
    static ReadResult openFailure(const std::wstring &name)
    {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return readFailure(ReadStatus::Missing, code);
        // A folder, or a link or junction to one, opens only with
        // FILE_FLAG_BACKUP_SEMANTICS; without it the open is refused as
        // access denied, the same answer a file in use gets.
        if (code == ERROR_ACCESS_DENIED) {
            const DWORD a = GetFileAttributesW(name.c_str());
            if (a != kInvalidAttributes &&
                (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
                return readFailure(ReadStatus::Missing, code);
        }
        return readFailure(ReadStatus::Error, code);
    }

    // The size of the ordinary file open as file; else what the read ends with.
    static std::optional<ReadResult> ordinaryFileSize(const Handle &file, qint64 &size)
    {
        // A device opened under the name (NUL, COM1, a pipe) is of another type.
        // FILE_TYPE_UNKNOWN is also the answer of a failed call, which alone
        // leaves an error code.
        const DWORD type = GetFileType(file.get());
        if (type != FILE_TYPE_DISK) {
            const DWORD code = type == FILE_TYPE_UNKNOWN ? GetLastError() : NO_ERROR;
            return code == NO_ERROR ? readFailure(ReadStatus::Missing)
                                    : readFailure(ReadStatus::Error, code);
        }
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(file.get(), &info))
            return readFailure(ReadStatus::Error, GetLastError());
        // A folder, or a link or junction opened as itself.
        if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            return readFailure(ReadStatus::Missing);
        size = qint64(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
        return std::nullopt;
    }

    // Reads the file of the given size: one byte past the size shows a file
    // that grew meanwhile; unbuffered reads need whole sectors into an
    // aligned buffer.
    static ReadResult readAll(const Handle &file, qint64 size, qint64 maxBytes, bool unbuffered)
    {
        qint64 want = size + 1;
        if (unbuffered)
            want = (want + kSectorAlign - 1) / kSectorAlign * kSectorAlign;
        char *buffer = static_cast<char *>(
            VirtualAlloc(nullptr, SIZE_T(want), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (!buffer)
            return readFailure(ReadStatus::Error, GetLastError());
        qint64 got = 0;
        bool failed = false;
        DWORD code = NO_ERROR;
        while (got < want) {
            DWORD n = 0;
            if (!ReadFile(file.get(), buffer + got, DWORD(want - got), &n, nullptr)) {
                failed = true;
                code = GetLastError();
                break;
            }
            if (n == 0)
                break;
            got += n;
            if (unbuffered && n % kSectorAlign != 0)
                break; // a short unbuffered read ends at the end of the file
        }
        ReadResult r;
        if (!failed && got <= maxBytes)
            r.data = QByteArray(buffer, int(got));
        VirtualFree(buffer, 0, MEM_RELEASE);
        if (failed)
            return readFailure(ReadStatus::Error, code);
        r.status = got > maxBytes ? ReadStatus::TooLarge : ReadStatus::Ok;
        return r;
    }
};

} // namespace

FileResult fileFailure(const char *what, int nativeCode)
{
    const DWORD code = DWORD(nativeCode);
    FileResult r;
    switch (code) {
    // Virus scanners, indexers and previewers open new files for a moment;
    // a file that is still being deleted refuses access the same way.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:
        r.problem = FileProblem::InUse;
        break;
    case ERROR_WRITE_PROTECT:
        r.problem = FileProblem::WriteProtected;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        r.problem = FileProblem::Full;
        break;
    default:
        r.problem = FileProblem::Other;
        break;
    }
    r.text = QStringLiteral("%1: %2").arg(QLatin1String(what), describe(code));
    return r;
}

QString childPath(const QString &dir, const QString &name)
{
    if (dir.endsWith(QLatin1Char('\\')) || dir.endsWith(QLatin1Char('/')))
        return dir + name;
    return dir + QLatin1Char('\\') + name;
}

Files &systemFiles()
{
    static WinFiles files;
    return files;
}

} // namespace kordavel
