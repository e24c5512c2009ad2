#include "widgets.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QHideEvent>
#include <QShowEvent>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

namespace kordavel {

namespace {
template <typename Button>
void paintWrapped(Button *b, QStyle::ControlElement element, QStyle::SubElement contents)
{
    QStylePainter p(b);
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.state |= b->isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (b->isDown())
        opt.state |= QStyle::State_Sunken;
    opt.text.clear();
    p.drawControl(element, opt);
    opt.text = b->text();
    const QRect r = b->style()->subElementRect(contents, &opt, b);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    p.drawItemText(r, flags, opt.palette, b->isEnabled(), b->text(), QPalette::WindowText);
}
} // namespace

void useDesignFrameLook(QGroupBox *frame)
{
    const QString current = frame->style()->name();
    if (current.startsWith(QLatin1String("windows"), Qt::CaseInsensitive))
        return; // Windows' own styles and the classic one put the caption on the line
    QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (!classic)
        return;
    classic->setParent(frame);
    frame->setStyle(classic);
}

void WrapCheckBox::paintEvent(QPaintEvent *)
{
    paintWrapped(this, QStyle::CE_CheckBox, QStyle::SE_CheckBoxContents);
}

void WrapRadioButton::paintEvent(QPaintEvent *)
{
    paintWrapped(this, QStyle::CE_RadioButton, QStyle::SE_RadioButtonContents);
}

namespace {
// What assistive technology sees of a StatusText.
class StatusTextAccessible : public QAccessibleWidget
{
public:
    explicit StatusTextAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *statusTextFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("kordavel::StatusText") && object->isWidgetType())
        return new StatusTextAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

StatusText::StatusText(QWidget *parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(statusTextFactory);
        return true;
    }();
    Q_UNUSED(installed);
    // QLabel::setText sends its own name-changed event only while the label
    // has no accessible name: with one, it sends none, and announce() alone
    // decides. The name read is still the text (StatusTextAccessible).
    setAccessibleName(QStringLiteral("status"));
}

void StatusText::setText(const QString &text)
{
    QLabel::setText(text);
    announceSoon();
}

void StatusText::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    if (!event->spontaneous()) // not the window restored from the task bar
        announceSoon();
}

void StatusText::hideEvent(QHideEvent *event)
{
    QLabel::hideEvent(event);
    if (!event->spontaneous()) // not the window minimised
        m_announced.clear();   // shown again, it is news again
}

void StatusText::announceSoon()
{
    if (!m_announceTimer) {
        m_announceTimer = new QTimer(this);
        m_announceTimer->setSingleShot(true);
        m_announceTimer->setInterval(0);
        connect(m_announceTimer, &QTimer::timeout, this, &StatusText::announce);
    }
    m_announceTimer->start();
}

void StatusText::announce()
{
    if (!isVisible())
        return;
    if (text().isEmpty())
        m_announced.clear(); // the same text again is news again
    if (text().isEmpty() || text() == m_announced)
        return;
    m_announced = text();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace kordavel
