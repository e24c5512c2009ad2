#include "policy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kordavel {

namespace {
// A policy file is a handful of values; anything larger is not one.
constexpr qint64 kMaxPolicyFileBytes = qint64(64) * 1024;
} // namespace

PolicyRead readMachinePolicy()
{
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/etc/xdg");
    for (const QString &dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Relative entries are invalid by the base-directory rules and ignored.
        if (!QDir::isAbsolutePath(dir))
            continue;
        const QString path = dir + QStringLiteral("/kordavel-config/policies.json");
        if (!QFileInfo::exists(path))
            continue;
        PolicyRead refused;
        if (QFileInfo(path).size() > kMaxPolicyFileBytes) {
            refused.problems.append(
                QStringLiteral("%1 is larger than %2 KiB, which no policy file is; none of it "
                               "is used.")
                    .arg(path)
                    .arg(kMaxPolicyFileBytes / 1024));
            return refused;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            refused.problems.append(
                QStringLiteral("%1 cannot be read; none of it is used.").arg(path));
            return refused;
        }
        return parsePolicyFile(file.read(kMaxPolicyFileBytes), path);
    }
    return {};
}

std::optional<QString> pathFormProblem(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("it is empty");
    if (path.front().isSpace() || path.back().isSpace())
        return QStringLiteral("it begins or ends with a blank");
    if (!path.startsWith(QLatin1Char('/')))
        return QStringLiteral("it is not a full path (one that starts with /)");
    if (path.contains(QChar(u'\0')))
        return QStringLiteral("it holds a NUL character");
    return std::nullopt;
}

} // namespace kordavel
