#pragma once

#include "cycle/report.h"

#include <QObject>
#include <QStringList>

class QLabel;
class QPushButton;

namespace kordavel {

class CycleExecutor;
class MediaService;

// The desktop's disk service as the main window offers it: the notice that a
// removable drive is attached but not mounted, the button that mounts it, and
// the button that safely removes the configured device. Without a service (or
// with one that is not running) only the notice is shown.
class MediaOffer : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QLabel *notice = nullptr;
        QPushButton *mountButton = nullptr;
        QPushButton *removeButton = nullptr;
    };
    // media may be null; executor is told what failed, to show it until the
    // flow moves on. Both must outlive the offer.
    MediaOffer(MediaService *media, CycleExecutor &executor, Controls controls,
               QObject *parent = nullptr);

    void showNotice(const show::MediaNotice &notice);
    // Offers to safely remove the device at root (empty: no offer).
    void offerSafeRemoval(const QString &root);

private:
    bool serviceRuns() const;
    void mount();
    void safelyRemove();
    void showProblem(const QString &text);

    MediaService *m_media;
    CycleExecutor &m_executor;
    Controls m_controls;
    QStringList m_unmountedDrives; // kernel names; the mount button mounts the first
    QString m_safeRemovalRoot;     // the device safe removal is offered for
};

} // namespace kordavel
