// Removable media through UDisks2, the desktop's disk service on the system bus
// (what file managers use); unprivileged users may mount and power off
// removable media through it under the default polkit rules.
#include "media.h"
#include "platformtext.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

#include <functional>

namespace kordavel {

namespace {} // namespace

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kDrive = QStringLiteral("org.freedesktop.UDisks2.Drive");

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

// How long the service may take: mounting may wait for the user to authorise it.
int callTimeoutMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("KORDAVEL_MEDIA_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? ms : 60000;
}

// UDisks2 names a block device's object after its kernel name, with every
// character other than a letter or digit written as _XX.
QString blockPath(const QString &name)
{
    QString out = kRoot + QStringLiteral("/block_devices/");
    for (const char c : name.toUtf8()) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out += QLatin1Char(c);
        else
            out += QStringLiteral("_%1").arg(quint8(c), 2, 16, QLatin1Char('0'));
    }
    return out;
}

QList<QByteArray> byteArrays(const QVariant &v)
{
    QList<QByteArray> out;
    if (v.canConvert<QDBusArgument>())
        v.value<QDBusArgument>() >> out;
    else
        out = v.value<QList<QByteArray>>();
    return out;
}

// A sentence for the user from a failed call.
QString reasonOf(const QDBusError &e, const QString &what)
{
    const QString name = e.name();
    if (name.contains(QLatin1String("NotAuthorized")))
        //: %1 is what was asked: "mount sdb1", "remove the drive", ...
        return PlatformText::tr("You are not allowed to %1.").arg(what);
    if (name.contains(QLatin1String("Busy")))
        return PlatformText::tr(
                   "Could not %1: the drive is busy. Close what uses it and try again.")
            .arg(what);
    if (e.type() == QDBusError::NoReply || e.type() == QDBusError::Timeout ||
        e.type() == QDBusError::TimedOut)
        return PlatformText::tr("Could not %1: the desktop's disk service did not answer.")
            .arg(what);
    if (e.type() == QDBusError::ServiceUnknown || e.type() == QDBusError::Disconnected)
        return PlatformText::tr("Could not %1: the desktop's disk service is not running.")
            .arg(what);
    return PlatformText::tr("Could not %1 (%2).").arg(what, e.message());
}

class UDisks2Service : public MediaService
{
public:
    UDisks2Service() : m_bus(QDBusConnection::systemBus())
    {
        qDBusRegisterMetaType<Interfaces>();
        qDBusRegisterMetaType<ManagedObjects>();
        if (!m_bus.isConnected())
            return; // no system bus (a container, a minimal system): never available
        auto *watcher = new QDBusServiceWatcher(kService, m_bus,
                                                QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString &, const QString &, const QString &owner) {
                    m_running = !owner.isEmpty();
                    setAvailable(m_running || m_activatable);
                });
        // Running now, or started by the bus when first called.
        const auto busCall = [](const char *method) {
            return QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus"), QLatin1String(method));
        };
        send(busCall("NameHasOwner") << kService, [this](const QDBusMessage &reply) {
            m_running =
                reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
            setAvailable(m_running || m_activatable);
        });
        send(busCall("ListActivatableNames"), [this](const QDBusMessage &reply) {
            m_activatable = reply.type() == QDBusMessage::ReplyMessage &&
                            reply.arguments().value(0).toStringList().contains(kService);
            setAvailable(m_running || m_activatable);
        });
    }

    bool available() const override { return m_available; }

    void mount(const QString &blockName) override
    {
        QDBusMessage m = QDBusMessage::createMethodCall(kService, blockPath(blockName), kFilesystem,
                                                        QStringLiteral("Mount"));
        m << QVariantMap();
        send(m, [this, blockName](const QDBusMessage &reply) {
            const QDBusError e(reply);
            if (reply.type() == QDBusMessage::ErrorMessage &&
                !e.name().contains(QLatin1String("AlreadyMounted")))
                //: Put in "Could not %1 ..." and "You are not allowed to %1."; %1 is a drive.
                Q_EMIT mountFailed(blockName,
                                   reasonOf(e, PlatformText::tr("mount %1").arg(blockName)));
            else
                Q_EMIT mounted(blockName);
        });
    }

    void safelyRemove(const QString &root) override
    {
        QString mountPoint = root;
        while (mountPoint.size() > 1 && mountPoint.endsWith(QLatin1Char('/')))
            mountPoint.chop(1);
        const QDBusMessage m = QDBusMessage::createMethodCall(
            kService, kRoot, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
            QStringLiteral("GetManagedObjects"));
        send(m, [this, root, mountPoint](const QDBusMessage &reply) {
            const QString what = PlatformText::tr("remove the drive");
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                Q_EMIT removeFailed(root, reasonOf(QDBusError(reply), what));
                return;
            }
            ManagedObjects objects;
            reply.arguments().constFirst().value<QDBusArgument>() >> objects;
            QString block;
            QString drive;
            for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
                const QVariant points =
                    it.value().value(kFilesystem).value(QStringLiteral("MountPoints"));
                for (QByteArray p : byteArrays(points)) {
                    if (p.endsWith('\0'))
                        p.chop(1);
                    if (QString::fromUtf8(p) == mountPoint) {
                        block = it.key().path();
                        drive = it.value()
                                    .value(kBlock)
                                    .value(QStringLiteral("Drive"))
                                    .value<QDBusObjectPath>()
                                    .path();
                    }
                }
            }
            if (block.isEmpty()) {
                Q_EMIT removeFailed(root,
                                    PlatformText::tr("Could not remove the drive: the desktop's "
                                                     "disk service does not know %1.")
                                        .arg(mountPoint));
                return;
            }
            const bool canPowerOff = !drive.isEmpty() && drive != QLatin1String("/") &&
                                     objects.value(QDBusObjectPath(drive))
                                         .value(kDrive)
                                         .value(QStringLiteral("CanPowerOff"))
                                         .toBool();
            unmountThenPowerOff(root, block, canPowerOff ? drive : QString());
        });
    }

private:
    void unmountThenPowerOff(const QString &root, const QString &block, const QString &drive)
    {
        QDBusMessage m =
            QDBusMessage::createMethodCall(kService, block, kFilesystem, QStringLiteral("Unmount"));
        m << QVariantMap();
        send(m, [this, root, drive](const QDBusMessage &reply) {
            if (reply.type() == QDBusMessage::ErrorMessage) {
                Q_EMIT removeFailed(
                    root, reasonOf(QDBusError(reply), PlatformText::tr("unmount the drive")));
                return;
            }
            if (drive.isEmpty()) {
                Q_EMIT removed(root); // unmounted; this drive cannot be powered off
                return;
            }
            QDBusMessage off =
                QDBusMessage::createMethodCall(kService, drive, kDrive, QStringLiteral("PowerOff"));
            off << QVariantMap();
            send(off, [this, root](const QDBusMessage &offReply) {
                if (offReply.type() == QDBusMessage::ErrorMessage)
                    Q_EMIT removeFailed(root, reasonOf(QDBusError(offReply),
                                                       PlatformText::tr("power the drive off")));
                else
                    Q_EMIT removed(root);
            });
        });
    }

    // Sends a call without waiting for it; done runs with the reply or error.
    void send(const QDBusMessage &m, std::function<void(const QDBusMessage &)> done)
    {
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(m, callTimeoutMs()), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [watcher, done = std::move(done)] {
                    done(watcher->reply());
                    watcher->deleteLater();
                });
    }

    void setAvailable(bool on) { m_available = on; }

    QDBusConnection m_bus;
    bool m_running = false;
    bool m_activatable = false;
    bool m_available = false;
};

} // namespace

std::unique_ptr<MediaService> makeMediaService()
{
    return std::make_unique<UDisks2Service>();
}

} // namespace kordavel
