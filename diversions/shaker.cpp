#include "diversions/shaker.h"

#include "platform/system.h"

#include <QTimer>
#include <QWidget>

WindowShaker::WindowShaker(QWidget *window) : QObject(window), m_window(window), m_timer(new QTimer(this))
{
    m_timer->setInterval(kInterval);
    connect(m_timer, &QTimer::timeout, this, &WindowShaker::step);
}

bool WindowShaker::isShaking() const
{
    return m_timer->isActive();
}

void WindowShaker::start()
{
    if (!isShaking()) {
        m_geometry = m_window->geometry();
        m_state = m_window->windowState();
        // A window manager keeps a maximised window where it is: the window
        // leaves that state while it shakes, at the same place and size.
        if (m_state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            m_window->setWindowState(m_state & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
            m_window->setGeometry(m_geometry);
        }
        m_timer->start();
    }
    m_stepsLeft = kSteps;
}

void WindowShaker::step()
{
    if (m_stepsLeft <= 0)
        return;
    const auto draw = [] { return plat::system().random(2 * kReach + 1) - kReach; };
    QRect g = m_window->geometry();
    g.moveLeft(g.left() + draw());
    g.moveTop(g.top() + draw());
    g.setWidth(g.width() + draw());
    g.setHeight(g.height() + draw());
    m_window->setGeometry(g);
    m_window->update();
    if (--m_stepsLeft <= 0)
        finish();
}

void WindowShaker::finish()
{
    m_timer->stop();
    m_window->setGeometry(m_geometry);
    if (m_state != m_window->windowState())
        m_window->setWindowState(m_state);
}
