// Where the system mounts every medium itself (Windows) there is nothing to offer.
#include "media.h"

namespace kordavel {

namespace {
class NoMediaService : public MediaService
{
public:
    bool available() const override { return false; }
    void mount(const QString &blockName) override
    {
        Q_EMIT mountFailed(blockName, QStringLiteral("Mounting is left to the system here."));
    }
    void safelyRemove(const QString &root) override
    {
        Q_EMIT removeFailed(root, QStringLiteral("Removing is left to the system here."));
    }
};
} // namespace

std::unique_ptr<MediaService> makeMediaService()
{
    return std::make_unique<NoMediaService>();
}

} // namespace kordavel
