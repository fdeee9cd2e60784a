#include "app/mainwindow.h"
#include "app/settings.h"
#include "learning/fullscreenwindow.h"
#include "learning/learningwindow.h"
#include "sheets/titledisplay.h"
#include "tests/support.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

const QByteArray kSettingsFile = crlf({"date", "Marie", "Lac", "800", "Mouse", "1", "3", "20", "clBlack"});
const QString kSheet = QStringLiteral("C:\\fiches\\animaux.fic");
const QByteArray kAnimals = crlf({"Animaux //Marie\\\\", "dog", "chien", "cat", "chat", "horse", "cheval"});

class LearningWindow : public testing_support::QuietWindowSet {
protected:
    void SetUp() override
    {
        QuietWindowSet::SetUp();
        sandbox.put(settings::kPath, kSettingsFile);
        Form1->Memo6.loadFromFile(settings::kPath);
    }
    // Catalogues a sheet (a null byte array: a file that does not exist).
    void catalogue(const QString &path, const QByteArray &bytes)
    {
        if (!bytes.isNull())
            sandbox.put(path, bytes);
        Form1->ListBox1.append(path);
        Form3->ListBox1->addItem(plat::LineList(plat::LineList::parse(bytes)).memoLine(0));
    }
    void choose(int i)
    {
        Form3->ListBox1->setItemIndex(i);
        Form3->ListBox1Click();
    }
    QStringList settingsLines() { return plat::LineList::parse(sandbox.get(settings::kPath)); }
    static bool shown(const QWidget *w) { return !w->isHidden(); }
};

} // namespace

// A whole run in both directions: each pair once, its first term at once and
// its second after the reveal, on the card and on the full screen, the count
// going down, and the tick that finds no pair left stopping the learning.
TEST_F(LearningWindow, EachPairOnceFirstTermAtOnceSecondAfterTheReveal)
{
    const QHash<QString, QString> frenchOf{{"dog", "chien"}, {"cat", "chat"}, {"horse", "cheval"}};
    catalogue(kSheet, kAnimals);
    for (const bool frenchFirst : {true, false}) {
        SCOPED_TRACE(frenchFirst ? "French first" : "foreign first");
        Form3->ComboBox1->setCurrentText(frenchFirst ? learning::kFrenchFirst : learning::kForeignFirst);
        EXPECT_EQ(Form3->Label7->text(), frenchFirst ? "Terme français :" : "Terme étranger :");
        choose(0);
        EXPECT_EQ(Form3->Label13->text(), "Termes restants : 3");
        EXPECT_EQ(Form3->titleDisplay->caption(), "Animaux");

        Form3->BitBtn1Click();
        EXPECT_EQ(Form3->Timer1->interval(), 1); // the first pair at once
        EXPECT_TRUE(Form3->Timer1->isActive() && Form3->running());

        QSet<QString> seen;
        for (int left = 2; left >= 0; --left) {
            Form3->Timer1Timer();
            const QString first = Form3->Label12->text();
            const QString second = Form3->Label10->text();
            EXPECT_EQ(frenchFirst ? frenchOf.value(second) : frenchOf.value(first), frenchFirst ? first : second);
            seen.insert(first);
            EXPECT_FALSE(shown(Form3->Label10));
            EXPECT_TRUE(Form3->Timer2->isActive());
            EXPECT_EQ(Form3->Label13->text(), QStringLiteral("Termes restants : %1").arg(left));
            pleinec->Timer1Timer();
            EXPECT_EQ(pleinec->Memo1->toPlainText(), first);
            EXPECT_FALSE(shown(pleinec->Memo2));

            Form3->timer();
            EXPECT_TRUE(shown(Form3->Label10));
            EXPECT_FALSE(Form3->Timer2->isActive());
            pleinec->Timer1Timer();
            EXPECT_TRUE(shown(pleinec->Memo2));
            EXPECT_EQ(pleinec->Memo2->toPlainText(), second);
        }
        EXPECT_EQ(seen.size(), 3);
        EXPECT_TRUE(Form3->running()); // the last pair stays for a whole interval

        Form3->Timer1Timer();
        EXPECT_FALSE(Form3->running());
        EXPECT_TRUE(shown(Form3->Label14) && shown(Form3->Panel1));
        EXPECT_FALSE(Form3->Timer1->isActive());
        EXPECT_EQ(Form3->Timer1->interval(), 1);
        EXPECT_EQ(Form3->ListBox1->itemIndex(), -1);
        pleinec->Timer1Timer();
        EXPECT_TRUE(pleinec->Memo1->toPlainText().isEmpty());
    }
}

TEST_F(LearningWindow, PauseResumeStopAndTheFullScreenLeaveTheRunAsItShould)
{
    catalogue(kSheet, kAnimals);
    choose(0);
    Form3->BitBtn1Click();
    Form3->Timer1Timer();
    const QString first = Form3->Label12->text();

    // Sliders moved during the run count from the next pair.
    Form3->TrackBar1->setValue(7);
    Form3->TrackBar2->setValue(4);
    EXPECT_EQ(Form3->Timer1->interval(), 3000);
    Form3->BitBtn6Click();
    EXPECT_FALSE(Form3->Timer1->isActive());
    EXPECT_FALSE(Form3->Timer2->isActive());
    EXPECT_TRUE(shown(Form3->BitBtn5) && !shown(Form3->BitBtn6));
    Form3->BitBtn5Click();
    EXPECT_TRUE(Form3->Timer1->isActive() && Form3->Timer2->isActive());
    EXPECT_TRUE(shown(Form3->BitBtn6) && !shown(Form3->BitBtn5));
    Form3->Timer1Timer();
    EXPECT_EQ(Form3->Timer1->interval(), 7000);
    EXPECT_EQ(Form3->Timer2->interval(), 4000);
    EXPECT_NE(Form3->Label12->text(), first);

    // Coming back from the full screen, the learning goes on where it was.
    const QString current = Form3->Label12->text();
    plat::desktop().formActivated(Form3);
    Form3->BitBtn8Click();
    EXPECT_EQ(sandbox.desktop().records.back().text, "pleinec");
    EXPECT_TRUE(Form3->Timer1->isActive());
    EXPECT_EQ(Form3->Label12->text(), current);

    // After a stop, no pause or resume can restart the stopped pairs.
    Form3->BitBtn7Click();
    for (QPushButton *b : {Form3->BitBtn5, Form3->BitBtn6, Form3->BitBtn7})
        EXPECT_FALSE(shown(b)) << b->objectName().toStdString();
    choose(0);
    EXPECT_TRUE(shown(Form3->BitBtn1));
    EXPECT_EQ(Form3->Label13->text(), "Termes restants : 3");
}

// Moving the waiting time above the interval raises the interval, and both
// settings lines are written; lowering it pulls a long interval back.
TEST_F(LearningWindow, WaitingTimeCouplesTheIntervalAndWritesBothLines)
{
    const struct {
        int interval, waiting, shownInterval;
        QString interval2, waiting2;
    } steps[] = {{10, 15, 15, "15", "15"}, {35, 1, 21, "21", "1"}};
    for (const auto &s : steps) {
        Form3->TrackBar1->setValue(s.interval);
        Form3->TrackBar2->setValue(s.waiting);
        EXPECT_EQ(Form3->TrackBar1->value(), s.shownInterval);
        EXPECT_EQ(Form3->Label4->text(), QStringLiteral("Intervalle de temps : %1 sec").arg(s.shownInterval));
        EXPECT_EQ(Form3->Label18->text(), QStringLiteral("Temps d'attente : %1 sec").arg(s.waiting));
        const QStringList lines = settingsLines();
        ASSERT_EQ(lines.size(), 9);
        EXPECT_EQ(lines[5], s.waiting2);
        EXPECT_EQ(lines[6], s.interval2);
    }
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}

// A chosen sheet that cannot be read shows no pairs under its title, never
// those of the sheet chosen before; starting then stops at the first tick.
TEST_F(LearningWindow, UnreadableSheetGivesNoPairsAndSaysSo)
{
    catalogue(kSheet, kAnimals);
    catalogue(QStringLiteral("C:\\fiches\\partie.fic"), QByteArray());
    catalogue(QStringLiteral("C:\\fiches\\vide.fic"), QByteArray(""));
    choose(0);
    Form3->BitBtn1Click();
    Form3->Timer1Timer();
    choose(1); // while running: the run goes on with what was chosen
    EXPECT_EQ(sandbox.desktop().messages(), QStringList{"Erreur : Impossible d'ouvrir la fiche demandée"});
    EXPECT_EQ(Form3->Label13->text(), "Termes restants : 0");
    EXPECT_EQ(Form3->Memo1.count(), 0);
    Form3->Timer1Timer();
    EXPECT_FALSE(Form3->running());

    choose(2);
    EXPECT_EQ(Form3->Label13->text(), "Termes restants : 0");
    EXPECT_EQ(Form3->titleDisplay->caption(), "Fiche anonyme");
    Form3->ListBox1->setItemIndex(-1);
    Form3->BitBtn1Click();
    EXPECT_EQ(sandbox.desktop().messages().last(),
              "Cliquez d'abord sur une fiche à apprendre dans la liste de droite.");
    EXPECT_FALSE(Form3->Timer1->isActive());
    EXPECT_EQ(sandbox.desktop().messages().size(), 2);
}

TEST_F(LearningWindow, LongAndEmptyTermsOnTheCard)
{
    const QByteArray longTerm(5000, 'w');
    catalogue(kSheet, "Long\r\n" + longTerm + "\r\n\r\n");
    choose(0);
    Form3->BitBtn1Click();
    Form3->Timer1Timer();
    const int widest = std::max(Form3->Label12->sizeHint().width(), Form3->Label10->sizeHint().width());
    EXPECT_GT(widest, 249);
    EXPECT_EQ(Form3->Shape1->width(), widest + 15);
    Form3->Timer1Timer();
    EXPECT_EQ(Form3->Shape1->width(), 257);
}

// The background colour chosen on the full screen is written as colour text.
TEST_F(LearningWindow, FullScreenColourIsKeptAsColourText)
{
    const struct {
        std::optional<QColor> chosen;
        QString line8;
        settings::TColor colour;
    } cases[] = {
        {QColor(255, 0, 0), "clRed", 0x0000FF},
        {QColor(0, 128, 255), "$00FF8000", 0xFF8000},
        {std::nullopt, "$00FF8000", 0xFF8000}, // cancelled: nothing changes
        {QColor(0, 0, 128), "clNavy", 0x800000},
    };
    for (const auto &c : cases) {
        sandbox.desktop().colourAnswers.push_back(c.chosen);
        pleinec->BitBtn2Click();
        EXPECT_EQ(settingsLines().value(8), c.line8);
        EXPECT_EQ(pleinec->memo1Color(), c.colour);
        EXPECT_EQ(pleinec->memo2Color(), c.colour);
        EXPECT_EQ(pleinec->formColor(), c.colour);
    }
    pleinec->FormActivate();
    EXPECT_TRUE(pleinec->Timer1->isActive());
    pleinec->BitBtn1Click();
    EXPECT_FALSE(pleinec->Timer1->isActive());
}

// The headings always name what the card shows: turning the direction once
// a sheet is chosen turns the pairs still to come as well.
TEST_F(LearningWindow, DirectionChangedAfterTheChoiceTurnsTheCards)
{
    const QSet<QString> foreign{"dog", "cat", "horse"};
    catalogue(kSheet, kAnimals);
    for (const bool frenchFirst : {true, false}) {
        SCOPED_TRACE(frenchFirst ? "to foreign first" : "to French first");
        Form3->ComboBox1->setCurrentText(frenchFirst ? learning::kFrenchFirst : learning::kForeignFirst);
        choose(0);
        Form3->ComboBox1->setCurrentText(frenchFirst ? learning::kForeignFirst : learning::kFrenchFirst);
        EXPECT_EQ(Form3->Label7->text(), frenchFirst ? "Terme étranger :" : "Terme français :");
        EXPECT_EQ(Form3->Label8->text(), frenchFirst ? "Terme français :" : "Terme étranger :");
        EXPECT_EQ(Form3->Label13->text(), "Termes restants : 3");
        Form3->BitBtn1Click();
        for (int pair = 0; pair < 3; ++pair) {
            Form3->Timer1Timer();
            EXPECT_EQ(foreign.contains(Form3->Label12->text()), frenchFirst) << Form3->Label12->text().toStdString();
            EXPECT_EQ(foreign.contains(Form3->Label10->text()), !frenchFirst);
        }
        Form3->BitBtn7Click();
    }
}

// Paused, the status says so; once a session is over, however it ends, the
// direction can be chosen again and the full screen has nothing to show.
TEST_F(LearningWindow, PauseAndTheEndOfASessionShowWhereLearningStands)
{
    catalogue(kSheet, kAnimals);
    const std::pair<bool, void (*)()> endings[] = {
        {false, [] { Form3->BitBtn7Click(); }},
        {true, [] { Form3->BitBtn7Click(); }}, // stopped while paused
        {false, [] { for (int i = 0; i < 4; ++i) Form3->Timer1Timer(); }},
    };
    for (const auto &[stayPaused, end] : endings) {
        choose(0);
        Form3->BitBtn1Click();
        Form3->BitBtn6Click();
        EXPECT_TRUE(shown(Form3->pausedStatus) && !shown(Form3->Label16));
        if (!stayPaused) {
            Form3->BitBtn5Click();
            EXPECT_TRUE(shown(Form3->Label16) && !shown(Form3->pausedStatus));
        }
        end();
        EXPECT_FALSE(Form3->running());
        EXPECT_FALSE(shown(Form3->Label16) || shown(Form3->pausedStatus));
        EXPECT_TRUE(Form3->ComboBox1->isEnabled());
        EXPECT_FALSE(Form3->BitBtn8->isEnabled());
    }
}

// Started, paused and resumed from the keyboard, the focus stays on the button
// taking the pressed one's place: the Enter or space that follows never lands
// on "Arrêter" or "Quitter l'apprentissage".
TEST_F(LearningWindow, TheFocusStaysWithTheButtonThatTakesThePressedOnesPlace)
{
    catalogue(kSheet, kAnimals);
    Form3->show();
    QApplication::setActiveWindow(Form3);
    choose(0);
    Form3->BitBtn1->setFocus();
    const std::pair<void (*)(), QPushButton *TForm3::*> steps[] = {
        {[] { Form3->BitBtn1Click(); }, &TForm3::BitBtn6},
        {[] { Form3->BitBtn6Click(); }, &TForm3::BitBtn5},
        {[] { Form3->BitBtn5Click(); }, &TForm3::BitBtn6},
    };
    for (const auto &[press, taking] : steps) {
        press();
        EXPECT_EQ(QApplication::focusWidget(), Form3->*taking);
    }
    Form3->BitBtn7Click();
    Form3->hide();
}
