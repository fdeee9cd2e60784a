#include "app/mainwindow.h"
#include "app/statefiles.h"
#include "app/windowset.h"

#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/focusframe.h"
#include "platform/french.h"
#include "platform/speech.h"

#include <QScreen>

int main(int argc, char **argv)
{
    plat::frenchSystemLocale();
    plat::Application app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orsiva"));
    QApplication::setApplicationName(QStringLiteral("Tavilo"));
    // No display name: Qt would append it to every caption ("Bienvenue ! — Orsiva
    // Tavilo"), and each window's caption is its own.
    plat::useFrenchInterface();
    plat::showFocusEverywhere();

    // Before anything is read there: a save cut short by the end of the
    // last run may have left its new file beside the program's own.
    startup::removeInterruptedSaves();
    createWindowSet();
    // Without a window manager nobody maximises the window: give it the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        Form1->setGeometry(screen->availableGeometry());
    Form1->setWindowState(Qt::WindowMaximized);
    plat::desktop().show(Form1);
    const int result = app.exec();
    destroyWindowSet();
    // The speech thread ends before the application does.
    plat::setSpeech(nullptr);
    return result;
}
