#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kordavel {

// One value an organisation set for this program, as the system holds it.
struct PolicyValue
{
    enum class Kind {
        Text,        // a REG_SZ, a REG_EXPAND_SZ with its variables put in, a JSON string
        Number,      // a REG_DWORD, 0 to 4294967295
        TrueOrFalse, // JSON true or false
        Other,       // any other registry type or JSON value (a number, a list, an object)
    };
    QString name; // as the store spells it
    Kind kind = Kind::Other;
    QString text;       // Kind::Text
    qint64 number = 0;  // Kind::Number
    bool truth = false; // Kind::TrueOrFalse
    QString origin;     // where it was set, for people: a registry key or a file
};

// What the policy store holds, and one sentence for each part of it that
// could not be read (a policy file that is unreadable or not a JSON object).
struct PolicyRead
{
    std::vector<PolicyValue> values; // each name once
    QStringList problems;
};

// The registry key of the program's policy on Windows, under HKLM and HKCU;
// the administrative templates name the same.
inline constexpr char kPolicyKey[] = "SOFTWARE\\Policies\\Kordavel\\Configuration";

// The machine's policy for this program. Windows: the values under
// HKLM\SOFTWARE\Policies\Kordavel\Configuration, then those under the same
// key of HKCU that HKLM does not set (names compared as the registry does,
// ignoring case). Elsewhere: kordavel-config/policies.json in the first
// folder of $XDG_CONFIG_DIRS (default /etc/xdg) that has it. Nothing set:
// no values and no problems. Reads only local stores, in well under a second.
PolicyRead readMachinePolicy();

// A policy file's values: its text must be one JSON object, each member a
// value (of two members of one name, the last); origin is the file's name as
// people read it.
PolicyRead parsePolicyFile(const QByteArray &json, const QString &origin);

// Why path cannot name a file or folder on this system by its form alone
// (empty, relative, a blank at either end, or a character the system never
// allows; on Windows a share needs its server and share, and a \\?\ prefix
// is allowed); nullopt
// when it can. Whether it exists or can be reached is not looked at: a share
// that is away now may be back later.
std::optional<QString> pathFormProblem(const QString &path);

} // namespace kordavel
