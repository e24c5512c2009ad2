#pragma once

#include "platform/policy.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kordavel {

// A value of the policy in force, and where the organisation set it.
template <typename T> struct PolicySetting
{
    T value;
    QString origin; // a registry key or a file, as PolicyValue gives it
};

// The policy in force: what the organisation set that the program can use.
// Each value beats the user's own choice and the command line. LockStandard
// holds only the policy's own FleetStandard.
struct MachinePolicy
{
    std::optional<PolicySetting<QString>> fleetStandard; // a full path, a share's allowed
    std::optional<PolicySetting<bool>> applyStandard;
    std::optional<PolicySetting<bool>> lockStandard;
    std::optional<PolicySetting<QString>> recordFolder; // a full path, a share's allowed
    std::optional<PolicySetting<QString>> language;     // a code of the language list, lower case
    // One sentence for each value the program cannot use (an unknown name,
    // the wrong type, a path bad by its form, a language it does not speak,
    // a second value of a name already set) and each store it could not
    // read: such values are ignored.
    QStringList problems;
    QStringList notUsed;          // the names of the values not used, each once
    bool storeUnreadable = false; // a store (a file, a key) could not be read

    bool isEmpty() const
    {
        return !fleetStandard && !applyStandard && !lockStandard && !recordFolder && !language &&
               problems.isEmpty();
    }
};

// The policy in force from what the store holds; languages are the codes the
// program speaks. Names are matched ignoring case, as the registry does.
MachinePolicy policyInForce(const PolicyRead &read, const QStringList &languages);

// The language asked for: the policy's, which beats --lang, else --lang's
// (empty: the system's); and when the policy beat a different --lang, a line
// for the console that says so.
struct AskedLanguage
{
    QString code;
    QString overridden;
};
AskedLanguage askedLanguage(const QString &commandLine, const MachinePolicy &policy);

// What --policy prints: each value set with where it was set, then the
// values not used and why; a line saying so when nothing is set.
QString policyReport(const MachinePolicy &policy);

} // namespace kordavel
