#include "policy.h"

#include <algorithm>
#include <cstring>

#include <QRegularExpression>

#include <windows.h>

namespace kordavel {

namespace {

// A REG_EXPAND_SZ's text with the environment's variables put in, as policy
// tools mean it (%ProgramData%\Fleet); unchanged when that fails.
QString expanded(const QString &text)
{
    const auto *source = reinterpret_cast<const wchar_t *>(text.utf16());
    const DWORD needed = ExpandEnvironmentStringsW(source, nullptr, 0);
    if (needed == 0)
        return text;
    std::vector<wchar_t> out(needed);
    const DWORD written = ExpandEnvironmentStringsW(source, out.data(), needed);
    if (written == 0 || written > needed)
        return text;
    return QString::fromWCharArray(out.data(), int(written) - 1);
}

// One value as enumerated: its name, registry type and bytes.
PolicyValue valueFrom(const QString &name, DWORD type, const std::vector<BYTE> &data,
                      DWORD dataLength, const QString &origin)
{
    PolicyValue value;
    value.name = name;
    value.origin = origin;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        value.kind = PolicyValue::Kind::Text;
        // Built from the length: a stored string need not end in a NUL.
        QString text = QString::fromWCharArray(reinterpret_cast<const wchar_t *>(data.data()),
                                               int(dataLength / sizeof(wchar_t)));
        while (text.endsWith(QChar(u'\0')))
            text.chop(1);
        value.text = type == REG_EXPAND_SZ ? expanded(text) : text;
    } else if (type == REG_DWORD && dataLength == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        value.kind = PolicyValue::Kind::Number;
        value.number = number;
    }
    return value;
}

// The values under the policy key of one hive into read; none when the hive
// has no such key, a problem when the key is there but cannot be read.
void readValues(HKEY hive, const QString &origin, PolicyRead &read)
{
    HKEY key = nullptr;
    const QString path = QLatin1String(kPolicyKey);
    const LSTATUS opened = RegOpenKeyExW(hive, reinterpret_cast<const wchar_t *>(path.utf16()), 0,
                                         KEY_QUERY_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND)
        return;
    const QString unreadable = QStringLiteral("%1 cannot be read (error %2); none of it is used.");
    if (opened != ERROR_SUCCESS) {
        read.problems.append(unreadable.arg(origin).arg(opened));
        return;
    }
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    LSTATUS status = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      &count, &longestName, &longestData, nullptr, nullptr);
    std::vector<wchar_t> name(longestName + 1); // in characters, with the NUL
    std::vector<BYTE> data(longestData);        // in bytes
    for (DWORD i = 0; status == ERROR_SUCCESS && i < count; ++i) {
        DWORD nameLength = DWORD(name.size());
        DWORD dataLength = DWORD(data.size());
        DWORD type = 0;
        status = RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(),
                               &dataLength);
        if (status == ERROR_MORE_DATA) {
            // Changed since the key was measured: read this one again with room.
            name.resize(std::max<std::size_t>(name.size(), 16384));
            data.resize(std::max<std::size_t>(data.size(), dataLength));
            nameLength = DWORD(name.size());
            dataLength = DWORD(data.size());
            status = RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(),
                                   &dataLength);
        }
        if (status == ERROR_NO_MORE_ITEMS) {
            status = ERROR_SUCCESS; // a value removed meanwhile
            break;
        }
        if (status == ERROR_SUCCESS)
            read.values.push_back(valueFrom(QString::fromWCharArray(name.data(), int(nameLength)),
                                            type, data, dataLength, origin));
    }
    if (status != ERROR_SUCCESS)
        read.problems.append(unreadable.arg(origin).arg(status));
    RegCloseKey(key);
}

// A path that starts with a drive letter: "C:\" or "C:/".
bool startsWithDrive(const QString &path)
{
    return path.size() >= 3 && path[0].isLetter() && path[0].unicode() < 128 &&
           path[1] == QLatin1Char(':') &&
           (path[2] == QLatin1Char('\\') || path[2] == QLatin1Char('/'));
}

// A share's path: two separators, a server and a share, each named.
bool isSharePath(const QString &path)
{
    const auto separator = [](QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); };
    if (path.size() < 2 || !separator(path[0]) || !separator(path[1]))
        return false;
    const QStringList parts =
        path.mid(2).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::KeepEmptyParts);
    return parts.size() >= 2 && !parts[0].isEmpty() && !parts[1].isEmpty();
}

} // namespace

PolicyRead readMachinePolicy()
{
    PolicyRead machine;
    readValues(HKEY_LOCAL_MACHINE, QStringLiteral("HKLM\\") + QLatin1String(kPolicyKey), machine);
    PolicyRead user;
    readValues(HKEY_CURRENT_USER, QStringLiteral("HKCU\\") + QLatin1String(kPolicyKey), user);
    PolicyRead read = machine;
    read.problems += user.problems;
    // The machine's value wins over the user's, one value at a time.
    for (const PolicyValue &value : user.values) {
        const bool machineSets =
            std::any_of(machine.values.begin(), machine.values.end(), [&](const PolicyValue &m) {
                return m.name.compare(value.name, Qt::CaseInsensitive) == 0;
            });
        if (!machineSets)
            read.values.push_back(value);
    }
    return read;
}

std::optional<QString> pathFormProblem(const QString &given)
{
    if (given.isEmpty())
        return QStringLiteral("it is empty");
    if (given.front().isSpace() || given.back().isSpace())
        return QStringLiteral("it begins or ends with a blank");
    // A long path's prefix is not part of the path's form.
    QString path = given;
    if (path.startsWith(QLatin1String("\\\\?\\UNC\\"), Qt::CaseInsensitive))
        path = QStringLiteral("\\\\") + path.mid(8);
    else if (path.startsWith(QLatin1String("\\\\?\\")))
        path = path.mid(4);
    const bool drive = startsWithDrive(path);
    if (!drive && !isSharePath(path))
        return QStringLiteral("it is not a full path (one that starts with a drive, C:\\, or a "
                              "share, \\\\server\\share)");
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c.unicode() < 32 || QStringLiteral("<>\"|?*").contains(c) ||
            (c == QLatin1Char(':') && !(drive && i == 1))) {
            const QString shown =
                c.unicode() < 32 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                 : QString(c);
            return QStringLiteral("it holds the character '%1', which Windows does not allow in "
                                  "a path")
                .arg(shown);
        }
    }
    return std::nullopt;
}

} // namespace kordavel
