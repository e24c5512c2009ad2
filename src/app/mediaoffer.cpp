#include "mediaoffer.h"
#include "apptext.h"

#include "cycle/executor.h"
#include "layout.h"
#include "platform/media.h"

#include <QLabel>
#include <QPushButton>

namespace kordavel {

MediaOffer::MediaOffer(MediaService *media, CycleExecutor &executor, Controls controls,
                       QObject *parent)
    : QObject(parent), m_media(media), m_executor(executor), m_controls(controls)
{
    connect(m_controls.mountButton, &QPushButton::clicked, this, &MediaOffer::mount);
    connect(m_controls.removeButton, &QPushButton::clicked, this, &MediaOffer::safelyRemove);
    if (!m_media)
        return;
    QPushButton *mountButton = m_controls.mountButton;
    QPushButton *removeButton = m_controls.removeButton;
    connect(m_media, &MediaService::mounted, this, [this, mountButton] {
        mountButton->setEnabled(true);
        showProblem({}); // the next tick finds the drive
    });
    connect(m_media, &MediaService::mountFailed, this,
            [this, mountButton](const QString &, const QString &reason) {
                mountButton->setEnabled(true);
                showProblem(reason);
            });
    connect(m_media, &MediaService::removed, this, [this, removeButton] {
        removeButton->setEnabled(true);
        removeButton->setVisible(false); // the next tick sees the drive gone
        showProblem({});
    });
    connect(m_media, &MediaService::removeFailed, this,
            [this, removeButton](const QString &, const QString &reason) {
                removeButton->setEnabled(true);
                showProblem(reason);
            });
}

bool MediaOffer::serviceRuns() const
{
    return m_media && m_media->available();
}

void MediaOffer::showNotice(const show::MediaNotice &media)
{
    // Say that a medium is attached but not mounted, so the user is not left
    // guessing, and offer to mount it where the disk service can; or say why
    // that failed.
    m_unmountedDrives = media.unmounted;
    const bool canMount = serviceRuns();
    QString notice;
    if (!media.problem.isEmpty()) {
        notice = media.problem;
    } else if (!m_unmountedDrives.isEmpty()) {
        notice = canMount ? AppText::tr("Drive %1 is attached but not mounted.")
                          : AppText::tr("A removable drive (%1) is attached but not "
                                        "mounted. Mount it to use it here.");
        notice = notice.arg(m_unmountedDrives.join(QStringLiteral(", ")));
    }
    const bool offerMount = canMount && !m_unmountedDrives.isEmpty();
    QLabel *label = m_controls.notice;
    if (m_controls.mountButton->isHidden() == offerMount) {
        m_controls.mountButton->setVisible(offerMount);
        label->setGeometry(pixelRect(offerMount ? kNoticeBesideMountButton
                                                : *geometryOf(QStringLiteral("mountNoticeLabel"))));
    }
    if (label->text() != notice)
        label->setText(notice);
}

void MediaOffer::offerSafeRemoval(const QString &root)
{
    m_safeRemovalRoot = root;
    const bool offer = serviceRuns() && !root.isEmpty();
    if (m_controls.removeButton->isHidden() == offer)
        m_controls.removeButton->setVisible(offer);
}

void MediaOffer::mount()
{
    if (!m_media || m_unmountedDrives.isEmpty())
        return;
    showProblem({});
    m_controls.mountButton->setEnabled(false); // until the service has answered
    m_media->mount(m_unmountedDrives.constFirst());
}

void MediaOffer::safelyRemove()
{
    if (!m_media || m_safeRemovalRoot.isEmpty())
        return;
    showProblem({});
    m_controls.removeButton->setEnabled(false);
    m_media->safelyRemove(m_safeRemovalRoot);
}

void MediaOffer::showProblem(const QString &text)
{
    m_executor.requestMediaProblem(text);
}

} // namespace kordavel
