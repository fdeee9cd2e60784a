#include "platform/application.h"

#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/screenfit.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace plat {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // Before the window's own showEvent, which may place it by its size.
    if (event->type() == QEvent::Show && !event->spontaneous() && receiver->isWidgetType())
        fitOnScreen(static_cast<QWidget *>(receiver));
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Failure &f) {
        desktop().showError(f.message());
    } catch (const std::exception &e) {
        desktop().showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        desktop().showError(QStringLiteral("Erreur inattendue."));
    }
}

void releaseFreedMemory(qsizetype used)
{
#if defined(__GLIBC__)
    // Memory handed back is zeroed and mapped again the next time it is
    // needed, which on some systems costs more than the work that freed
    // it: the little that smaller work frees stays for the next, and big
    // work's goes back once the user has paused, not between two sheets
    // chosen one after the other.
    constexpr qsizetype kKept = qsizetype(32) << 20;
    constexpr int kPauseMs = 2000;
    if (used <= kKept || !QCoreApplication::instance())
        return;
    // Owned by the application, so gone with it; a later one gets its own.
    static QPointer<QTimer> pause;
    if (!pause) {
        pause = new QTimer(QCoreApplication::instance());
        pause->setSingleShot(true);
        pause->setInterval(kPauseMs);
        QObject::connect(pause, &QTimer::timeout, [] { malloc_trim(0); });
    }
    pause->start();
#else
    Q_UNUSED(used);
#endif
}

} // namespace plat
