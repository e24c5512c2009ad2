#include "policy.h"

#include <algorithm>
#include <cstring>

#include <windows.h>

namespace kordavel {

namespace {

const wchar_t kPolicyKey[] = L"SOFTWARE\\Policies\\Kordavel\\Configuration";

// The values under the policy key of one hive; none when it has no such key.
std::vector<PolicyValue> valuesOf(HKEY hive, const QString &origin)
{
    std::vector<PolicyValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, kPolicyKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return values;
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) == ERROR_SUCCESS) {
        std::vector<wchar_t> name(longestName + 1);
        // Room for a terminating NUL the stored string may lack.
        std::vector<BYTE> data(longestData + sizeof(wchar_t));
        for (DWORD i = 0; i < count; ++i) {
            DWORD nameLength = DWORD(name.size());
            DWORD dataLength = DWORD(data.size() - sizeof(wchar_t));
            DWORD type = 0;
            if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(),
                              &dataLength) != ERROR_SUCCESS)
                continue;
            PolicyValue value;
            value.name = QString::fromWCharArray(name.data(), int(nameLength));
            value.origin = origin;
            if (type == REG_SZ || type == REG_EXPAND_SZ) {
                value.kind = PolicyValue::Kind::Text;
                QString text =
                    QString::fromWCharArray(reinterpret_cast<const wchar_t *>(data.data()),
                                            int(dataLength / sizeof(wchar_t)));
                while (text.endsWith(QChar(u'\0')))
                    text.chop(1);
                value.text = text;
            } else if (type == REG_DWORD && dataLength == sizeof(DWORD)) {
                DWORD number = 0;
                std::memcpy(&number, data.data(), sizeof number);
                value.kind = PolicyValue::Kind::Number;
                value.number = number;
            }
            values.push_back(value);
        }
    }
    RegCloseKey(key);
    return values;
}

} // namespace

PolicyRead readMachinePolicy()
{
    PolicyRead read;
    read.values = valuesOf(HKEY_LOCAL_MACHINE,
                           QStringLiteral("HKLM\\SOFTWARE\\Policies\\Kordavel\\Configuration"));
    // The machine's value wins over the user's, one value at a time.
    for (PolicyValue &user :
         valuesOf(HKEY_CURRENT_USER,
                  QStringLiteral("HKCU\\SOFTWARE\\Policies\\Kordavel\\Configuration"))) {
        const bool machineSets =
            std::any_of(read.values.begin(), read.values.end(), [&](const PolicyValue &machine) {
                return machine.name.compare(user.name, Qt::CaseInsensitive) == 0;
            });
        if (!machineSets)
            read.values.push_back(user);
    }
    return read;
}

std::optional<QString> pathFormProblem(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("it is empty");
    const bool drive = path.size() >= 3 && path[0].isLetter() && path[0].unicode() < 128 &&
                       path[1] == QLatin1Char(':') &&
                       (path[2] == QLatin1Char('\\') || path[2] == QLatin1Char('/'));
    const bool unc = path.startsWith(QLatin1String("\\\\")) || path.startsWith(QLatin1String("//"));
    if (!drive && !unc)
        return QStringLiteral("it is not a full path (one that starts with a drive, C:\\, or a "
                              "share, \\\\server\\share)");
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c.unicode() < 32 || QStringLiteral("<>\"|?*").contains(c) ||
            (c == QLatin1Char(':') && !(drive && i == 1)))
            return QStringLiteral("it holds the character '%1', which Windows does not allow in a "
                                  "path")
                .arg(c.unicode() < 32
                         ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                         : QString(c));
    }
    return std::nullopt;
}

} // namespace kordavel
