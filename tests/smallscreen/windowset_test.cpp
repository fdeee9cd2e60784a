#include "platform/form.h"
#include "platform/screenfit.h"
#include "tests/support.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using ScreenFitWindowSet = testing_support::QuietWindowSet;

// Every window of the program, at the smallest it can be, fits on an
// 800 x 600 screen with a window manager's frame (a title bar for a maximised
// one): what the screen cannot hold would be cut off, buttons included.
TEST_F(ScreenFitWindowSet, EveryWindowCanBeShownWholeOnAnEightHundredBySixHundredScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(area, QRect(0, 0, 800, 600));
    int forms = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<plat::Form *>(w);
        if (!form)
            continue;
        ++forms;
        SCOPED_TRACE(form->objectName().toStdString());
        const QSize room = area.size().shrunkBy(plat::assumedFrame(form));
        const QSize least = form->minimumSize().expandedTo(form->minimumSizeHint());
        EXPECT_LE(least.width(), room.width());
        EXPECT_LE(least.height(), room.height());
    }
    EXPECT_EQ(forms, 22);
}
