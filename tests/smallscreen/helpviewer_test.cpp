#include "help/helplauncher.h"
#include "help/helpviewer.h"
#include "platform/screenfit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <gtest/gtest.h>

// On the 800 x 600 screen the program is made for, the viewer shrinks to fit
// with a window manager's frame, and its text and "Fermer" are whole inside it.
TEST(HelpViewerWindow, OnAnEightHundredBySixHundredScreenTextAndFermerAreWhole)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_TRUE(screen);
    const QRect area = screen->availableGeometry();
    ASSERT_EQ(area, QRect(0, 0, 800, 600));
    const helpfile::Parsed help = helpfile::parse(helplauncher::suppliedHelpFile());
    ASSERT_TRUE(help.ok());
    HelpViewer viewer(help.document);
    viewer.show();
    QCoreApplication::processEvents();
    const QRect whole(viewer.pos(), viewer.size().grownBy(plat::kAssumedFrame));
    EXPECT_TRUE(area.contains(whole)) << whole.width() << "x" << whole.height() << "+" << whole.x() << "+"
                                      << whole.y();
    for (const QWidget *part : std::initializer_list<const QWidget *>{viewer.closeButton, viewer.text,
                                                                      viewer.titles, viewer.search}) {
        SCOPED_TRACE(part->objectName().toStdString());
        const QRect inViewer(part->mapTo(&viewer, QPoint(0, 0)), part->size());
        EXPECT_TRUE(viewer.rect().contains(inViewer));
        EXPECT_TRUE(part->isVisible());
    }
    EXPECT_GE(viewer.text->width(), 300);
    EXPECT_GE(viewer.closeButton->width(), viewer.closeButton->sizeHint().width());
}
