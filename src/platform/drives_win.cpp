// Drives of a Windows system through kernel32's wide-character drive queries.
#include "drives.h"
#include "drives_win_api.h"

namespace kordavel {

namespace {

class WinDrives : public Drives
{
public:
    WinDrives() { win::suppressCriticalErrorDialogs(); }

    std::optional<QStringList> roots() override
    {
        const auto roots = win::logicalDriveRoots();
        if (!roots)
            return std::nullopt;
        QStringList out;
        for (const std::wstring &r : *roots)
            out.append(QString::fromStdWString(r));
        return out;
    }

    int kind(const QString &root) override { return win::driveKind(root.toStdWString()); }

    std::optional<QString> label(const QString &root) override
    {
        const auto label = win::volumeLabel(root.toStdWString());
        if (!label)
            return std::nullopt;
        return QString::fromStdWString(*label);
    }
};

} // namespace

std::unique_ptr<Drives> makeOsDrives()
{
    return std::make_unique<WinDrives>();
}

} // namespace kordavel
