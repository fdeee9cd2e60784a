#include "help/helplauncher.h"
#include "help/helpviewer.h"

#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/focusframe.h"
#include "platform/french.h"

// The help viewer: shows the document that the configuration's first line
// names. Started by the program's help buttons, through the launcher placed
// at the viewer's path.
int main(int argc, char **argv)
{
    plat::Application app(argc, argv);
    // The program's names, so that both find the same drive root.
    QApplication::setOrganizationName(QStringLiteral("Orsiva"));
    QApplication::setApplicationName(QStringLiteral("Tavilo"));
    plat::useFrenchInterface();
    plat::showFocusEverywhere();

    const helpfile::Parsed help = helplauncher::openConfiguredDocument();
    if (!help.ok()) {
        plat::desktop().messageBox(help.error, QStringLiteral("Aide de Tavilo"), plat::mbOK);
        return 1;
    }
    HelpViewer viewer(help.document);
    viewer.show();
    return app.exec();
}
