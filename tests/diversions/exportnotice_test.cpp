#include "diversions/exportnotice.h"
#include "tests/support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

TEST(ExportNotice, SpeechHasFifteenLinesWithItsGreeting)
{
    const QStringList lines = TForm11::speech();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("Cher utilisateur de Orsiva Tavilo."));
    EXPECT_EQ(lines[1], QStringLiteral("C'est Zorvec en personne qui vous informe :"));
    EXPECT_TRUE(lines.join(QLatin1Char(' ')).contains(QStringLiteral(".csv")));
}

TEST(ExportNotice, PicturesAlternateAtEachTickAndButtonCloses)
{
    testing_support::Sandbox sandbox;
    TForm11 form;
    EXPECT_EQ(form.windowTitle(),
              QStringLiteral("Une Allocution de Maître Zorvec (en direct de Seatlle)"));
    EXPECT_EQ(form.Memo1->toPlainText().split(QLatin1Char('\n')).size(), 15);
    EXPECT_EQ(form.Timer1->interval(), 500);
    EXPECT_TRUE(form.Timer1->isActive());

    // One of the two pictures is shown at any time, swapping at each tick.
    for (int tick = 0; tick < 4; ++tick) {
        const bool firstShown = !form.Image1->isHidden();
        EXPECT_NE(firstShown, !form.Image2->isHidden());
        form.Timer1Timer();
        EXPECT_EQ(form.Image1->isHidden(), firstShown);
        EXPECT_EQ(form.Image2->isHidden(), !firstShown);
    }

    form.show();
    form.BitBtn1Click();
    EXPECT_FALSE(form.isVisible());
}

TEST(ExportNotice, EnterThanksTheSpeakerWhereverTheFocusIs)
{
    testing_support::Sandbox sandbox;
    TForm11 form;
    for (QWidget *target : {static_cast<QWidget *>(&form), static_cast<QWidget *>(form.Memo1)}) {
        form.show();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(target, &enter);
        EXPECT_FALSE(form.isVisible()) << target->objectName().toStdString();
    }
}
