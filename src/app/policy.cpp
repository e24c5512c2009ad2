#include "policy.h"

namespace kordavel {

namespace {

// The value names, as the templates and policies.json spell them.
const QString kFleetStandard = QStringLiteral("FleetStandard");
const QString kApplyStandard = QStringLiteral("ApplyStandard");
const QString kLockStandard = QStringLiteral("LockStandard");
const QString kRecordFolder = QStringLiteral("RecordFolder");
const QString kLanguage = QStringLiteral("Language");

QString notUsed(const PolicyValue &value, const QString &why)
{
    return QStringLiteral("%1 (%2) is not used: %3.").arg(value.name, value.origin, why);
}

// A switch: REG_DWORD 1 or 0, JSON true or false.
std::optional<bool> switchOf(const PolicyValue &value)
{
    if (value.kind == PolicyValue::Kind::TrueOrFalse)
        return value.truth;
    if (value.kind == PolicyValue::Kind::Number && (value.number == 0 || value.number == 1))
        return value.number == 1;
    return std::nullopt;
}

} // namespace

namespace {

bool is(const PolicyValue &value, const QString &name)
{
    return value.name.compare(name, Qt::CaseInsensitive) == 0;
}

// Names value as not used, for --policy and the strip.
void refuse(MachinePolicy &policy, const PolicyValue &value, const QString &why)
{
    policy.problems.append(notUsed(value, why));
    if (!policy.notUsed.contains(value.name, Qt::CaseInsensitive))
        policy.notUsed.append(value.name);
}

// Takes one value into policy, or names why not.
void take(MachinePolicy &policy, const PolicyValue &value, const QStringList &languages)
{
    if (is(value, kFleetStandard) || is(value, kRecordFolder)) {
        if (value.kind != PolicyValue::Kind::Text)
            return refuse(policy, value, QStringLiteral("it must be a path (a text)"));
        if (const std::optional<QString> problem = pathFormProblem(value.text))
            return refuse(policy, value, QStringLiteral("the path is wrong: ") + *problem);
        (is(value, kFleetStandard) ? policy.fleetStandard : policy.recordFolder) =
            PolicySetting<QString>{value.text, value.origin};
    } else if (is(value, kApplyStandard) || is(value, kLockStandard)) {
        const std::optional<bool> on = switchOf(value);
        if (!on)
            return refuse(policy, value,
                          QStringLiteral("it must be 1 or 0 (REG_DWORD), or true or false"));
        (is(value, kApplyStandard) ? policy.applyStandard : policy.lockStandard) =
            PolicySetting<bool>{*on, value.origin};
    } else if (is(value, kLanguage)) {
        const QString code = value.text.trimmed().toLower();
        if (value.kind != PolicyValue::Kind::Text || !languages.contains(code)) {
            QStringList codes = languages;
            codes.sort();
            return refuse(
                policy, value,
                QStringLiteral("it must be one of %1").arg(codes.join(QStringLiteral(", "))));
        }
        policy.language = PolicySetting<QString>{code, value.origin};
    } else {
        refuse(policy, value, QStringLiteral("the program has no such policy"));
    }
}

} // namespace

MachinePolicy policyInForce(const PolicyRead &read, const QStringList &languages)
{
    MachinePolicy policy;
    policy.problems = read.problems;
    policy.storeUnreadable = !read.problems.isEmpty();
    QStringList seen;
    for (const PolicyValue &value : read.values) {
        // Two values of one name (a file may spell it twice in other cases):
        // the first holds, and the second is named by --policy only, as the
        // strip would call the first one ignored.
        if (seen.contains(value.name, Qt::CaseInsensitive)) {
            policy.problems.append(notUsed(value, QStringLiteral("the name is set once before")));
            continue;
        }
        seen.append(value.name);
        take(policy, value, languages);
    }
    // A lock holds the organisation's own standard, never one a user chose.
    if (policy.lockStandard && !policy.fleetStandard) {
        PolicyValue lock;
        lock.name = kLockStandard;
        lock.origin = policy.lockStandard->origin;
        refuse(policy, lock,
               QStringLiteral("it locks only a FleetStandard the policy sets, and none is set"));
        policy.lockStandard.reset();
    }
    return policy;
}

AskedLanguage askedLanguage(const QString &commandLine, const MachinePolicy &policy)
{
    if (!policy.language)
        return {commandLine, QString()};
    AskedLanguage asked{policy.language->value, QString()};
    if (!commandLine.isEmpty() &&
        commandLine.compare(policy.language->value, Qt::CaseInsensitive) != 0)
        asked.overridden =
            QStringLiteral("--lang %1 is not used: your organisation's policy sets the language "
                           "to %2 (%3).")
                .arg(commandLine, policy.language->value, policy.language->origin);
    return asked;
}

QString policyReport(const MachinePolicy &policy)
{
    if (policy.isEmpty())
        return QStringLiteral("No policy is set for this program.\n");
    QStringList inForce;
    auto line = [&inForce](const QString &name, const QString &value, const QString &origin) {
        inForce.append(QStringLiteral("  %1 = %2    (%3)\n").arg(name, value, origin));
    };
    auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    if (policy.fleetStandard)
        line(kFleetStandard, policy.fleetStandard->value, policy.fleetStandard->origin);
    if (policy.applyStandard)
        line(kApplyStandard, onOff(policy.applyStandard->value), policy.applyStandard->origin);
    if (policy.lockStandard)
        line(kLockStandard, onOff(policy.lockStandard->value), policy.lockStandard->origin);
    if (policy.recordFolder)
        line(kRecordFolder, policy.recordFolder->value, policy.recordFolder->origin);
    if (policy.language)
        line(kLanguage, policy.language->value, policy.language->origin);
    QString report = inForce.isEmpty() ? QStringLiteral("No value of the policy can be used.\n")
                                       : QStringLiteral("Policy set:\n") + inForce.join(QString());
    if (!policy.problems.isEmpty()) {
        report += QStringLiteral("Not used:\n");
        for (const QString &problem : policy.problems)
            report += QStringLiteral("  ") + problem + QLatin1Char('\n');
    }
    return report;
}

} // namespace kordavel
