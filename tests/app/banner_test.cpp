#include "app/banner.h"
#include "app/bannerstrip.h"
#include "app/mainwindow.h"
#include "app/windowset.h"
#include "tests/support.h"

#include "platform/drivepath.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

const QString kErrorMessage = QStringLiteral("Erreur : Le fichier d'informations ne peut être trouvé !");

// Ten pixels a character, whatever the font.
qint64 tenPerChar(QStringView piece)
{
    return piece.size() * 10;
}

class Banner : public testing_support::QuietWindowSet {
protected:
    // Ticks until the next message enters; checks on the way that the label
    // moves 3 pixels a tick and enters at the strip's right edge.
    QString nextEntering(int *ticks = nullptr)
    {
        for (int n = 1; n < 1'000'000; ++n) {
            const qint64 before = Form1->bandeau->left();
            Form1->Timer1Timer();
            const qint64 after = Form1->bandeau->left();
            if (after > before) {
                EXPECT_EQ(after, banner::kStripWidth);
                if (ticks)
                    *ticks = n;
                return Form1->bandeau->text();
            }
            EXPECT_EQ(after, before - banner::kStep);
        }
        ADD_FAILURE() << "no message entered";
        return {};
    }

    QStringList entering(int count)
    {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << nextEntering();
        return out;
    }
};

} // namespace

TEST(BannerModel, NextIndexWrapsAfterTheLastLine)
{
    struct Case {
        qsizetype index, count, next;
    } cases[] = {{0, 3, 1}, {1, 3, 2}, {2, 3, 0}, {0, 1, 0}, {0, 0, 0},
                 {7, 3, 0}, {99'998, 100'000, 99'999}, {99'999, 100'000, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(banner::nextIndex(c.index, c.count), c.next) << c.index << " of " << c.count;
}

TEST(BannerModel, WidthMeasuredOnlyAsFarAsAsked)
{
    struct Case {
        QString text;
        qint64 px;
        bool narrower;
    } cases[] = {
        {QStringLiteral("abc"), 31, true},  {QStringLiteral("abc"), 30, false},
        {QStringLiteral("abc"), 0, false},  {QStringLiteral("abc"), -40, false},
        // An empty text is as wide as a blank.
        {QString(), 11, true},              {QString(), 10, false},
    };
    for (const Case &c : cases) {
        banner::TextWidth w;
        w.setMeasure(tenPerChar);
        w.setText(c.text);
        EXPECT_EQ(w.narrowerThan(c.px), c.narrower) << c.text.toStdString() << " " << c.px;
    }

    // A million characters: a question about the first pixels measures one piece.
    banner::TextWidth w;
    w.setMeasure(tenPerChar);
    w.setText(QString(1'000'000, QLatin1Char('x')));
    EXPECT_FALSE(w.narrowerThan(800));
    EXPECT_EQ(w.measuredLength(), banner::TextWidth::kPieceLength);
    EXPECT_EQ(w.total(), 10'000'000);

    // A piece never ends between the halves of a character.
    QString text(banner::TextWidth::kPieceLength - 1, QLatin1Char('a'));
    text += QString::fromUcs4(U"\U0001F600") + QStringLiteral("bc");
    w.setText(text);
    w.measureTo(1);
    ASSERT_EQ(w.pieces().size(), 1u);
    EXPECT_EQ(w.pieces()[0].length, banner::TextWidth::kPieceLength + 1);
}

TEST(BannerModel, LongMessageCostsOnePieceNowAndThen)
{
    plat::LineList list({QString(1'000'000, QLatin1Char('x'))});
    banner::Scroller s(list);
    qsizetype measured = 0;
    s.setMeasure([&](QStringView piece) {
        measured += piece.size();
        return piece.size() * 8;
    });
    s.placeOutside(QStringLiteral("a"));
    measured = 0;
    ASSERT_TRUE(s.tick());
    // 10 000 ticks carry the label 30 000 pixels: about 3 700 characters.
    for (int i = 0; i < 10'000; ++i)
        ASSERT_FALSE(s.tick());
    EXPECT_EQ(s.left(), banner::kStripWidth - 30'000);
    EXPECT_LT(measured, 4'200);
}

TEST_F(Banner, MessagesEnterInLineOrderAfterEachActivation)
{
    const QStringList builtIn = banner::builtInMessages();
    ASSERT_EQ(builtIn.size(), 10);
    EXPECT_EQ(builtIn[1], banner::stoppedText());
    EXPECT_TRUE(banner::stoppedText().endsWith(banner::kMakerSite));
    QByteArray many;
    for (int i = 0; i < 100'000; ++i)
        many += "ligne " + QByteArray::number(i) + "\r\n";
    const QString host = plat::hostPath(banner::kMessageFile);
    struct Case {
        const char *name;
        std::optional<QByteArray> file; // nullopt: a folder stands at the path
        QStringList expected;
    } cases[] = {
        {"100 000 lines", many, {"ligne 1", "ligne 2"}},
        {"three lines", crlf({"un", "deux", "trois"}), {"deux", "trois", "un", "deux", "trois"}},
        {"one line", crlf({"seul"}), {"seul", "seul", "seul"}},
        {"empty file", QByteArray(), {"", "", ""}},
        {"folder", std::nullopt, {builtIn[1], builtIn[2], builtIn[3]}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        destroyWindowSet();
        SetUp();
        QFile::remove(host);
        if (c.file)
            sandbox.put(banner::kMessageFile, *c.file);
        else
            QDir().mkpath(host);
        Form1->FormActivate();
        EXPECT_TRUE(Form1->Timer1->isActive());
        EXPECT_EQ(Form1->Timer1->interval(), 100);
        EXPECT_EQ(entering(c.expected.size()), c.expected);
    }

    // An empty message travels the 753 pixels of the strip, 3 a tick, and
    // its blank.
    int ticks = 0;
    sandbox.put(QStringLiteral("C:\\vide.txt"), QByteArray());
    Form1->Edit1->setText(QStringLiteral("C:\\vide.txt"));
    Form1->BitBtn8Click();
    nextEntering();
    nextEntering(&ticks);
    EXPECT_GT(ticks, 251);
    EXPECT_LT(ticks, 270);
}

TEST_F(Banner, RunningMessageFinishesBeforeTheNewListBegins)
{
    for (const char *trigger : {"activation", "apply"}) {
        SCOPED_TRACE(trigger);
        sandbox.put(banner::kMessageFile, crlf({"un", "deux", "trois"}));
        Form1->FormActivate();
        EXPECT_EQ(nextEntering(), QStringLiteral("deux"));
        for (int i = 0; i < 5; ++i)
            Form1->Timer1Timer();
        const qint64 left = Form1->bandeau->left();

        sandbox.put(QStringLiteral("C:\\autre\\messages.txt"), crlf({"a", "b"}));
        if (QLatin1String(trigger) == QLatin1String("activation")) {
            sandbox.put(banner::kMessageFile, crlf({"a", "b"}));
            Form1->FormActivate();
        } else {
            Form1->Edit1->setText(QStringLiteral("C:\\autre\\messages.txt"));
            Form1->BitBtn8Click();
        }
        EXPECT_EQ(Form1->bandeau->text(), QStringLiteral("deux"));
        EXPECT_EQ(Form1->bandeau->left(), left);
        EXPECT_EQ(entering(3), QStringList({"b", "a", "b"}));
    }
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}

TEST_F(Banner, SpeedFollowsTheSliderUntilTheDefaults)
{
    for (auto [position, interval] : {std::pair{99, 1}, {42, 58}, {0, 100}, {99, 1}}) {
        Form1->TrackBar1->setValue(position);
        EXPECT_EQ(Form1->Timer1->interval(), interval) << position;
    }
    Form1->bandeauClick();
    Form1->BitBtn9Click();
    EXPECT_EQ(Form1->Timer1->interval(), 100);
    EXPECT_EQ(Form1->TrackBar1->value(), 99);
    EXPECT_TRUE(Form1->Timer1->isActive());
    EXPECT_FALSE(Form1->Panel2->isVisibleTo(Form1));
}

TEST_F(Banner, StoppedUntilTheNextActivation)
{
    sandbox.put(banner::kMessageFile, crlf({"un", "deux", "trois"}));
    Form1->FormActivate();
    nextEntering();
    Form1->BitBtn10Click();
    EXPECT_TRUE(Form1->Panel2->isVisibleTo(Form1));
    Form1->CheckBox1->setChecked(true);
    Form1->BitBtn8Click();
    EXPECT_FALSE(Form1->Timer1->isActive());
    EXPECT_EQ(Form1->bandeau->text(), banner::stoppedText());
    EXPECT_EQ(Form1->bandeau->left(), 1);
    EXPECT_FALSE(Form1->Panel2->isVisibleTo(Form1));

    // Returning from any window scrolls the fixed file again, from line 1.
    sandbox.put(banner::kMessageFile, crlf({"x", "y", "z"}));
    Form1->FormActivate();
    EXPECT_TRUE(Form1->Timer1->isActive());
    EXPECT_EQ(entering(2), QStringList({"y", "z"}));

    // Unchecked, applying sets it going again.
    Form1->CheckBox1->setChecked(true);
    Form1->BitBtn8Click();
    Form1->CheckBox1->setChecked(false);
    Form1->BitBtn8Click();
    EXPECT_TRUE(Form1->Timer1->isActive());
}

TEST_F(Banner, ApplyWarnsOfAMissingFileUnlessItIsTheFixedOne)
{
    sandbox.put(QStringLiteral("C:\\Orsiva\\dossier\\x.txt"), "x");
    struct Case {
        QString path;
        bool warned;
    } cases[] = {
        {QStringLiteral("C:\\Orsiva\\Infos.txt"), false},
        {QStringLiteral("C:\\Orsiva\\infos.txt"), true},
        {QStringLiteral("C:\\Orsiva\\Infos.txt "), true},
        {QStringLiteral("C:\\Orsiva\\dossier"), true}, // a folder
        {QString(), true},
    };
    const plat::LineList before = Form1->infos;
    for (const Case &c : cases) {
        sandbox.desktop().records.clear();
        Form1->Edit1->setText(c.path);
        Form1->BitBtn8Click();
        EXPECT_EQ(sandbox.desktop().messages(), c.warned ? QStringList{kErrorMessage} : QStringList{})
            << c.path.toStdString();
        EXPECT_EQ(Form1->infos, before);
        EXPECT_TRUE(Form1->Timer1->isActive());
    }
}

TEST_F(Banner, DefaultsReadTheFileUnderItsOtherSpelling)
{
    sandbox.put(banner::kMessageFile, crlf({"un", "deux", "trois"}));
    Form1->FormActivate();
    nextEntering();
    nextEntering(); // line 2 on its way
    Form1->CheckBox1->setChecked(true);
    Form1->Edit1->setText(QStringLiteral("/ailleurs"));
    Form1->BitBtn9Click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("C:\\Orsiva\\infos.txt"));
    EXPECT_FALSE(Form1->CheckBox1->isChecked());
    EXPECT_EQ(Form1->infos.lines(), QStringList({"un", "deux", "trois"}));
    // The line index goes on where it was.
    EXPECT_EQ(nextEntering(), QStringLiteral("un"));

    // Missing, it is passed over in silence.
    QFile::remove(plat::hostPath(banner::kMessageFile));
    Form1->BitBtn9Click();
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
    EXPECT_EQ(Form1->infos.lines(), QStringList({"un", "deux", "trois"}));
}

TEST_F(Banner, BrowsingOnlyFillsTheField)
{
    sandbox.desktop().fileAnswers = {QStringLiteral("C:\\choisi.txt"), std::nullopt};
    const plat::LineList before = Form1->infos;
    Form1->ParcourirClick();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("C:\\choisi.txt"));
    Form1->ParcourirClick();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("C:\\choisi.txt"));
    EXPECT_EQ(Form1->infos, before);
}

TEST_F(Banner, MillionCharacterLineDrawsOnlyWhatCrossesTheStrip)
{
    sandbox.put(banner::kMessageFile, QByteArray(1'000'000, 'w') + "\r\n");
    Form1->FormActivate();
    nextEntering();
    for (int i = 0; i < 400; ++i)
        Form1->Timer1Timer();
    Form1->bandeau->grab();
    EXPECT_LE(Form1->bannerScroller.width().measuredLength(), 4 * banner::TextWidth::kPieceLength);
}
