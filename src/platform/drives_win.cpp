// Drives of a Windows system through kernel32's drive queries.
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
        for (const std::string &r : *roots)
            out.append(QString::fromLocal8Bit(r.c_str()));
        return out;
    }

    int kind(const QString &root) override
    {
        return win::driveKind(root.toLocal8Bit().toStdString());
    }

    std::optional<QString> label(const QString &root) override
    {
        const auto label = win::volumeLabel(root.toLocal8Bit().toStdString());
        if (!label)
            return std::nullopt;
        return QString::fromLocal8Bit(label->c_str());
    }
};

} // namespace

std::unique_ptr<Drives> makeOsDrives()
{
    return std::make_unique<WinDrives>();
}

} // namespace kordavel
