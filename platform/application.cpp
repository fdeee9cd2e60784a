#include "platform/application.h"

#include "platform/desktop.h"
#include "platform/failure.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace plat {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
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

void releaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace plat
