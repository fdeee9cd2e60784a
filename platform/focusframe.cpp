#include "platform/focusframe.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace plat {
namespace {

constexpr int kMargin = kFocusFrameMargin;

class FocusRing : public QWidget {
public:
    FocusRing()
    {
        setObjectName(QStringLiteral("focusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect outer = rect();
        // Only the band is painted: the control shows through the middle.
        p.setClipRegion(QRegion(outer).subtracted(
            QRegion(outer.adjusted(kMargin, kMargin, -kMargin, -kMargin))));
        // Black, then two pixels of orange, then black again: one of the
        // edges always stands out from what lies around.
        p.fillRect(outer, Qt::black);
        p.fillRect(outer.adjusted(1, 1, -1, -1), QColor(0xff, 0x8c, 0x00));
        p.fillRect(outer.adjusted(3, 3, -3, -3), Qt::black);
    }
};

class FocusTracker : public QObject {
public:
    explicit FocusTracker(QObject *parent) : QObject(parent)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
    }

    QWidget *ring() const { return m_ring; }

    void follow(QWidget *target)
    {
        for (const QPointer<QWidget> &w : std::as_const(m_watched))
            if (w)
                w->removeEventFilter(this);
        m_watched.clear();
        m_target = (target && !target->isWindow()) ? target : nullptr;
        // The control and everything it sits in: any of them that moves or
        // changes size moves the control in its window.
        for (QWidget *w = m_target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            w->installEventFilter(this);
            m_watched.append(w);
        }
        place();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
            if (watched != m_ring)
                place();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    void place()
    {
        if (!m_target || !m_target->isVisible()) {
            if (m_ring)
                m_ring->hide();
            return;
        }
        // The frame goes into the nearest enclosing widget that holds it
        // whole, so that no edge of it is cut off.
        QWidget *host = m_target->parentWidget();
        QRect area;
        for (;;) {
            area = QRect(m_target->mapTo(host, QPoint(0, 0)), m_target->size())
                       .adjusted(-kMargin, -kMargin, kMargin, kMargin);
            if (host->isWindow() || host->rect().contains(area))
                break;
            host = host->parentWidget();
        }
        if (!m_ring)
            m_ring = new FocusRing;
        if (m_ring->parentWidget() != host)
            m_ring->setParent(host);
        m_ring->setGeometry(area);
        m_ring->raise();
        m_ring->show();
    }

    QPointer<QWidget> m_target;
    QPointer<FocusRing> m_ring;
    QList<QPointer<QWidget>> m_watched;
};

FocusTracker *&tracker()
{
    static FocusTracker *instance = nullptr;
    return instance;
}

} // namespace

void showFocusEverywhere()
{
    if (tracker())
        return;
    tracker() = new FocusTracker(qApp);
    tracker()->follow(QApplication::focusWidget());
}

QWidget *focusFrame()
{
    return tracker() ? tracker()->ring() : nullptr;
}

} // namespace plat
