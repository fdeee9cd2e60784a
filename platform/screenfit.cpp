#include "platform/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace plat {

QMargins assumedFrame(const QWidget *window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint || window->windowState() & Qt::WindowFullScreen)
        return {};
    if (window->windowState() & Qt::WindowMaximized)
        return {0, kAssumedFrame.top(), 0, 0};
    return kAssumedFrame;
}

void fitOnScreen(QWidget *window)
{
    if (!window || !window->isWindow())
        return;
    const Qt::WindowType type = window->windowType();
    if (type != Qt::Window && type != Qt::Dialog)
        return; // menus, tooltips and lists that drop down place themselves
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window on the screen has its real frame (none without a window
    // manager); one about to be mapped is given room for a usual one.
    const QWindow *handle = window->windowHandle();
    const QMargins frame = handle && handle->isVisible() ? handle->frameMargins() : assumedFrame(window);
    const QSize room = area.size().shrunkBy(frame);
    const QSize size = window->size();
    if (size.width() <= room.width() && size.height() <= room.height())
        return;
    const QSize fitted = size.boundedTo(room).expandedTo(window->minimumSize());
    window->resize(fitted);
    // The frame's corner is placed, so that the whole framed window stands
    // in the free area. The native window is told too: a move to where a new
    // window already is (the screen's corner) would tell it nothing, and the
    // window manager would place the window where it pleases, partly off the
    // screen.
    const QSize whole = fitted.grownBy(frame);
    const QPoint corner(area.x() + std::max(0, (area.width() - whole.width()) / 2),
                        area.y() + std::max(0, (area.height() - whole.height()) / 2));
    window->move(corner);
    if (QWindow *native = window->windowHandle())
        native->setFramePosition(corner);
}

} // namespace plat
