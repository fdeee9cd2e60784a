#include "app/mainwindow.h"
#include "diversions/picturewindow.h"
#include "diversions/shaker.h"
#include "tests/support.h"

#include "platform/fileio.h"

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Diversions : public testing_support::QuietWindowSet {};

} // namespace

TEST(Shaker, StepsOfSixPixelsAtMostThenTheWindowGoesBack)
{
    testing_support::Sandbox box;
    QWidget window;
    const QRect home(200, 150, 600, 400);
    window.setGeometry(home);
    WindowShaker shaker(&window);
    shaker.start();
    EXPECT_TRUE(shaker.isShaking());

    int lowest = 0, highest = 0;
    bool moved = false;
    for (int i = 1; i < WindowShaker::kSteps; ++i) {
        const QRect before = window.geometry();
        shaker.step();
        const QRect after = window.geometry();
        for (int d : {after.left() - before.left(), after.top() - before.top(),
                      after.width() - before.width(), after.height() - before.height()}) {
            lowest = std::min(lowest, d);
            highest = std::max(highest, d);
        }
        moved = moved || after != home;
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(lowest, -6);
    EXPECT_EQ(highest, 6);
    EXPECT_TRUE(shaker.isShaking());
    shaker.step();
    EXPECT_FALSE(shaker.isShaking());
    EXPECT_EQ(window.geometry(), home);
    // A late tick changes nothing.
    shaker.step();
    EXPECT_EQ(window.geometry(), home);
}

TEST_F(Diversions, HiddenTitleAreaCongratulatesThenShakesWithoutHoldingTheWindow)
{
    Form1->setGeometry(50, 40, 1100, 760);
    Form1->setWindowState(Qt::WindowMaximized);
    const QRect home = Form1->geometry();
    Form1->Image3Click();
    EXPECT_EQ(sandbox.desktop().messages(),
              QStringList{QStringLiteral("Bravo, vous avez découvert l'oeuf de Pâques !!!")});
    // The click has returned; the timer does the rest, about three seconds.
    WindowShaker *shaker = Form1->shaker();
    ASSERT_TRUE(shaker->isShaking());
    const int ms = shaker->timer()->interval() * WindowShaker::kSteps;
    EXPECT_GE(ms, 2000);
    EXPECT_LE(ms, 4000);

    for (int i = 0; i < 20; ++i)
        shaker->step();
    // A second click while it shakes starts the count again from home.
    Form1->Image3Click();
    for (int i = 0; i < WindowShaker::kSteps; ++i)
        shaker->step();
    EXPECT_FALSE(shaker->isShaking());
    EXPECT_EQ(Form1->geometry(), home);
    EXPECT_TRUE(Form1->windowState() & Qt::WindowMaximized);
}

TEST_F(Diversions, PictureIsJpegOfItsOwnSize)
{
    Form1->Image5Click();
    ASSERT_EQ(sandbox.desktop().records.back().kind, QStringLiteral("modal"));
    EXPECT_EQ(sandbox.desktop().records.back().text, QStringLiteral("Imagebm"));
    EXPECT_TRUE(Imagebm->windowFlags() & Qt::FramelessWindowHint);

    const QByteArray jpeg = Imagebm->jpeg();
    ASSERT_GT(jpeg.size(), 2);
    EXPECT_EQ(jpeg.left(2), QByteArray("\xFF\xD8"));
    const QImage decoded = QImage::fromData(jpeg, "JPEG");
    EXPECT_EQ(decoded.size(), QSize(801, 633));
}

TEST_F(Diversions, SavedPictureIsJpegWhateverTheName)
{
    const QByteArray jpeg = Imagebm->jpeg();
    for (const QString &name : {QStringLiteral("C:\\images\\voiture.bmp"), QStringLiteral("C:\\images\\voiture.png"),
                                QStringLiteral("C:\\images\\voiture")}) {
        sandbox.desktop().fileAnswers = {name};
        Imagebm->BitBtn1Click();
        EXPECT_TRUE(sandbox.get(name).startsWith("\xFF\xD8")) << name.toStdString();
        EXPECT_EQ(sandbox.get(name), jpeg) << name.toStdString();
    }
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());

    // Cancelled: nothing written.
    Imagebm->BitBtn1Click();
    EXPECT_FALSE(sandbox.exists(QStringLiteral("C:\\images\\Altavia.jpg")));

    // A failed write says so and leaves no file.
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("Disque plein."); });
    sandbox.desktop().fileAnswers = {QStringLiteral("C:\\images\\plein.bmp")};
    Imagebm->BitBtn1Click();
    EXPECT_FALSE(sandbox.exists(QStringLiteral("C:\\images\\plein.bmp")));
    ASSERT_EQ(sandbox.desktop().messages().size(), 1);
    EXPECT_TRUE(sandbox.desktop().messages().first().startsWith(QStringLiteral("L'image n'a pas pu être enregistrée.")));
    EXPECT_TRUE(sandbox.desktop().messages().first().contains(QStringLiteral("Disque plein.")));
}
