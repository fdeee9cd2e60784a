#include "platform/application.h"
#include "platform/french.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Window tests draw offscreen; CTest sets this too, but test discovery at
    // build time runs the program without CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef TAVILO_TEST_SCREEN
    // The tests of what fits on a small screen set its size themselves: the
    // offscreen platform's own screen is not one the program is made for.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TAVILO_TEST_SCREEN);
#endif
    // The program's own application class, so that a failure escaping an event
    // handler reaches the default error box in tests as it does in the program.
    // As the program does, before Qt reads the system locale.
    plat::frenchSystemLocale();
    plat::Application app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orsiva"));
    QApplication::setApplicationName(QStringLiteral("TaviloTests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
