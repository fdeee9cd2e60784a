#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Window tests draw offscreen; CTest sets this too, but test discovery at
    // build time runs the program without CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orsiva"));
    QApplication::setApplicationName(QStringLiteral("TaviloTests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
