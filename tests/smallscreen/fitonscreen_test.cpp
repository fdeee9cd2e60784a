#include "platform/form.h"
#include "platform/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

// The offscreen platform the tests run on has one screen of 800 x 600, the
// size the program is made for: the size checks below depend on it.
namespace {
QRect smallScreenArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

// A window larger than the screen shrinks to what fits with a frame, and
// stands inside the free area; one that fits keeps its size and place, and
// a maximised one is the screen's.
TEST(ScreenFit, TooLargeWindowsShrinkIntoTheScreenOthersKeepTheirSize)
{
    const QRect area = smallScreenArea();
    ASSERT_EQ(area, QRect(0, 0, 800, 600));
    const QSize room = area.size().shrunkBy(plat::kAssumedFrame);
    struct Case {
        const char *name;
        QSize asked;
        QSize minimum;
        QSize shown;
    } cases[] = {
        {"both too large", {980, 680}, {0, 0}, room},
        {"too wide", {1000, 300}, {0, 0}, {room.width(), 300}},
        {"too tall", {300, 700}, {0, 0}, {300, room.height()}},
        {"fits with its frame", room, {0, 0}, room},
        {"small", {400, 300}, {0, 0}, {400, 300}},
        {"minimum larger than the room", {900, 700}, {795, 200}, {795, room.height()}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        plat::Form window(QStringLiteral("essai"));
        window.setMinimumSize(c.minimum);
        window.resize(c.asked);
        window.move(3, 5);
        window.show();
        EXPECT_EQ(window.size(), c.shown);
        if (c.shown == c.asked) {
            EXPECT_EQ(window.pos(), QPoint(3, 5));
        } else if (c.minimum.width() <= room.width()) {
            EXPECT_TRUE(area.contains(QRect(window.pos(), c.shown.grownBy(plat::kAssumedFrame))))
                << window.pos().x() << "," << window.pos().y();
        }
        window.hide();
        // Shown again, it has not grown back.
        window.show();
        EXPECT_EQ(window.size(), c.shown);
    }
    QWidget maximised;
    maximised.resize(1200, 900);
    maximised.setWindowState(Qt::WindowMaximized);
    maximised.show();
    EXPECT_GT(maximised.height(), room.height());
}
