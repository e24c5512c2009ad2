#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace kordavel {

// Mounting and safely removing removable media through the desktop's disk
// service. Every call returns at once; its outcome arrives as a signal, so a
// slow or missing service never holds up the window.
class MediaService : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // True while the service is running and reachable.
    virtual bool available() const = 0;
    // Mounts the file system of a block device by its kernel name ("sdb1").
    virtual void mount(const QString &blockName) = 0;
    // Unmounts the file system mounted at root ("/media/u/KORD/") and then
    // powers its drive off where the drive can be.
    virtual void safelyRemove(const QString &root) = 0;

Q_SIGNALS:
    void mounted(const QString &blockName);
    void mountFailed(const QString &blockName, const QString &reason);
    void removed(const QString &root);
    void removeFailed(const QString &root, const QString &reason);
};

// UDisks2 on the system bus where there is one; elsewhere (Windows, containers
// without a system bus) a service that is never available.
std::unique_ptr<MediaService> makeMediaService();

} // namespace kordavel
