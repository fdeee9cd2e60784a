#include "platform/application.h"
#include "platform/form.h"

int main(int argc, char **argv)
{
    plat::Application app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orsiva"));
    QApplication::setApplicationName(QStringLiteral("Tavilo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orsiva Tavilo"));

    plat::Form main(QStringLiteral("Form1"));
    main.setWindowTitle(QStringLiteral("Orsiva Tavilo"));
    main.showMaximized();
    return app.exec();
}
