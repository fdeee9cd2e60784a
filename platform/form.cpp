#include "platform/form.h"

#include "platform/desktop.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

namespace plat {

Form::Form(const QString &name, QWidget *parent) : QDialog(parent)
{
    setObjectName(name);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void Form::closeWith(int result)
{
    if (isModal() && isVisible())
        done(result);
    else
        hide();
    setResult(result);
}

void Form::makeMaximisedWindow(const QString &caption, int width, int height)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(width, height);
    // Without a window manager to honour the state, the screen's free area
    // gives the same size.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    setColours(Qt::black, Qt::white);
}

void Form::setColours(const QColor &window, const QColor &text)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, window);
    if (text.isValid())
        pal.setColor(QPalette::WindowText, text);
    setPalette(pal);
    setAutoFillBackground(true);
}

bool Form::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && desktop().followsWindowActivation())
        desktop().formActivated(this);
    return QDialog::event(e);
}

void Form::showEvent(QShowEvent *e)
{
    // A window shown non-modally while another is held in a modal display
    // (the first run opens the welcome and about windows over the start-up
    // window) would take no input and could fall behind it. As a transient of
    // that modal window it stays above it and answers. A window shown modally
    // drops what an earlier showing left.
    QWidget *modal = isModal() ? nullptr : QApplication::activeModalWidget();
    if (modal == this)
        modal = nullptr;
    winId();
    if (QWindow *handle = windowHandle())
        handle->setTransientParent(modal ? modal->windowHandle() : nullptr);
    QDialog::showEvent(e);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Before the first showing the frame is not known yet and counts as
    // none; move() places the frame's corner.
    const QSize whole = window->frameGeometry().size();
    window->move(screen->availableGeometry().center() - QPoint(whole.width() / 2, whole.height() / 2));
}

bool Form::escape()
{
    if (!m_escape)
        return false;
    // The action may close the window or replace itself: run a copy.
    const std::function<void()> action = m_escape;
    action();
    return true;
}

void Form::keyPressEvent(QKeyEvent *e)
{
    // A window closes by its own buttons: Escape does what the window's cancel
    // or quit button does, when it has one, and nothing otherwise.
    // Enter belongs to the focused control (the editor adds a pair on it), so
    // QDialog's habit of pressing a default button is left out too.
    if (e->key() == Qt::Key_Escape && escape()) {
        e->accept();
        return;
    }
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->ignore();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

} // namespace plat
