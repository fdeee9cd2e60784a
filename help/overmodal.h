#pragma once
#include <QApplication>
#include <QWidget>
#include <QWindow>

// A window shown non-modally while another window of the program is held in
// a modal display (the first run opens the welcome and about windows over the
// start-up window) would take no input and could fall behind it. Made a
// transient of that modal window, it stays above it and answers. Called from
// showEvent; a window shown modally needs none of this and drops what an
// earlier showing left.
inline void attachToModalWindow(QWidget *window)
{
    QWidget *modal = window->isModal() ? nullptr : QApplication::activeModalWidget();
    if (modal == window)
        modal = nullptr;
    window->winId();
    if (QWindow *handle = window->windowHandle())
        handle->setTransientParent(modal ? modal->windowHandle() : nullptr);
}
