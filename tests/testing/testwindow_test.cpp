#include "app/mainwindow.h"
#include "help/aboutwindow.h"
#include "statistics/statisticswindow.h"
#include "statistics/completionwindow.h"
#include "testing/testcycle.h"
#include "testing/testsettingswindow.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include "platform/drivepath.h"
#include "platform/fileio.h"
#include "platform/focusframe.h"
#include "sheets/sheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

using testing_support::crlf;

namespace {

const QString kSheet = QStringLiteral("C:\\fiches\\anglais.fic");
const QString kTitle = QStringLiteral("Anglais //par Luc\\\\");
const QString kCannotOpen = QStringLiteral("Erreur : Impossible d'ouvrir la fiche demandée");
const QString kSettings = QStringLiteral("C:\\windows\\tavilo.ini");

// What the completion window finds in the test window when it is shown.
struct HandOff {
    QString right, wrong, seconds, title;
};

class TestWindow : public testing_support::QuietWindowSet {
protected:
    void SetUp() override
    {
        QuietWindowSet::SetUp();
        sandbox.put(kSettings, crlf({"d", "n", "c", "800", "Mouse", "1", "3", "20"}));
        Form1->Memo6.loadFromFile(kSettings);
        catalogue(kSheet, crlf({"Anglais //par Luc\\\\", "cat", "chat", "to run [irregular]", "courir", "house",
                                "maison"}));
    }

    void catalogue(const QString &path, const QByteArray &bytes)
    {
        sandbox.put(path, bytes);
        Form1->ListBox1.append(path);
        Form4->ListBox1->addItem(plat::LineList(plat::LineList::parse(bytes)).memoLine(0));
    }
    void choose(int i)
    {
        Form1->RadioButton3Click();
        Form4->ListBox1->setItemIndex(i);
        Form4->ListBox1Click();
    }
    void browse(const QString &path)
    {
        sandbox.desktop().fileAnswers.push_back(path);
        Form4->ParcourirClick();
    }
    void start()
    {
        Form4->BitBtn1Click();
        Form4->Timer1Timer(); // the priming tick
    }
    // The answer a user who knows the sheet types to the question shown.
    QString rightAnswer() const
    {
        static const QHash<QString, QString> answers = {
            {"chat", "cat"}, {"courir", "to run"}, {"maison", "house"}};
        return answers.value(Form4->Label12->text());
    }
    // The completion window, when shown, notes what it reads.
    void expectHandOff(HandOff *seen)
    {
        sandbox.desktop().modalActions.push_back([seen](plat::Form *) {
            const statistics::TestResult &test = For13->test;
            *seen = {test.rightCount, test.wrongCount, test.seconds, test.titleLine};
            return plat::mrNone;
        });
    }
    QStringList shownForms()
    {
        QStringList out;
        for (const auto &r : sandbox.desktop().records)
            if (r.kind == QLatin1String("modal") || r.kind == QLatin1String("save"))
                out << r.kind + u':' + r.text;
        return out;
    }
};

TEST_F(TestWindow, ATestCountsScoresAndHandsItsResultOver)
{
    choose(0);
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 3"));
    EXPECT_EQ(Form4->ListBox6.lines(), QStringList{"Erreurs sur : Anglais //par Luc - Test du 08/12/2026\\\\"});
    EXPECT_TRUE(Form4->BitBtn1->isVisibleTo(Form4));
    EXPECT_FALSE(Form4->ListBox1->isVisibleTo(Form4));

    start();
    EXPECT_EQ(Form4->Label17->text(), QStringLiteral("Termes justes : 0"));
    EXPECT_EQ(Form4->Label19->text(), QStringLiteral("Termes testés : 0"));
    EXPECT_EQ(Form4->Label21->text(), QStringLiteral("Pourcentage juste : 0 %"));
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 2"));
    EXPECT_EQ(Form4->Label4->text(), QStringLiteral("Temps écoulé : 0,5 s."));
    ASSERT_FALSE(rightAnswer().isEmpty());

    // A right answer moves on at its last keystroke.
    Form4->Edit5->setText(rightAnswer());
    EXPECT_EQ(Form4->Label17->text(), QStringLiteral("Termes justes : 1"));
    EXPECT_EQ(Form4->Label21->text(), QStringLiteral("Poucentage juste : 100 %"));
    EXPECT_EQ(Form4->Label18->text(), QStringLiteral("Poucentage faux : 0 %"));
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 1"));

    const QString missed = Form4->Label12->text();
    const QString missedAnswer = rightAnswer();
    Form4->Edit5->setText(QStringLiteral("Cat "));
    Form4->BitBtn2Click();
    EXPECT_EQ(Form4->Label20->text(), QStringLiteral("Termes faux : 1"));
    EXPECT_EQ(Form4->Label15->text(), QStringLiteral("Cat "));
    EXPECT_EQ(Form4->label26->text(), missed);

    for (int s = 0; s < 7; ++s)
        Form4->Timer3Timer();
    EXPECT_EQ(Form4->Label2->text(), QStringLiteral("Temps total écoulé : 7 s."));
    const QString report = sandbox.root() + QStringLiteral("/erreurs.fic");
    sandbox.desktop().fileAnswers.push_back(report);
    // The user records the test in the completion window.
    const QString user = QStringLiteral("C:\\users\\marie.user");
    const QByteArray userHeader = crlf({"Fiche de Statistiques Utilisateur :", "Marie", "Orsiva", "", ""});
    sandbox.put(user, userHeader);
    For2->Memo3.setLines({user});
    For2->Memo3Change();
    sandbox.desktop().modalActions.push_back([](plat::Form *) {
        For13->ListBox1->setItemIndex(0);
        For13->ListBox1Click();
        return For13->result();
    });
    Form4->Edit5->setText(rightAnswer());

    EXPECT_EQ(Form4->Label21->text(), QStringLiteral("Poucentage juste : 66,666 %"));
    EXPECT_EQ(Form4->Label18->text(), QStringLiteral("Poucentage faux : 33,333 %"));
    EXPECT_EQ(Form4->Label19->text(), QStringLiteral("Termes testés : 3"));
    EXPECT_EQ(shownForms(), QStringList({"save:Sauvegarde de la liste des erreurs", "modal:For13"}));
    EXPECT_EQ(sandbox.get(user),
              userHeader + crlf({"-----", "Test 1", "Date :", "08/12/2026", "Heure :", "10:30:15", "Fiche :",
                                 "Anglais //par Luc\\\\", "Termes :", "3", "Pourcentage juste :", "66,666",
                                 "Temps (sec) :", "7", "", ""}));
    EXPECT_EQ(sandbox.desktop().messages(), QStringList{"Test enregistré pour Marie."});
    // Reset for the next test; the question clock stops with it.
    EXPECT_EQ(Form4->Edit3, QStringLiteral("0"));
    EXPECT_EQ(Form4->Edit4, QStringLiteral("-1"));
    EXPECT_EQ(Form4->titleDisplay->memo2Line(), QStringLiteral("Pas de fiche sélectionnée"));
    EXPECT_TRUE(Form4->ListBox6.isEmpty());
    EXPECT_FALSE(Form4->Timer1->isActive());
    EXPECT_FALSE(Form4->Timer3->isActive());
    EXPECT_FALSE(Form4->Timer4->isActive());
    EXPECT_FALSE(Form4->BitBtn5->isVisibleTo(Form4));

    // The report is a sheet: its title names the test, its pair is the miss.
    EXPECT_EQ(sandbox.get(report), crlf({"Erreurs sur : Anglais //par Luc - Test du 08/12/2026\\\\",
                                         missedAnswer.toUtf8().constData(), missed.toUtf8().constData()}));
    browse(report);
    EXPECT_EQ(Form4->titleDisplay->caption(), QStringLiteral("Erreurs sur : Anglais"));
    EXPECT_EQ(Form4->titleDisplay->hint(), QStringLiteral("par Luc - Test du 08/12/2026"));
    EXPECT_EQ(Form4->lists.questions(), QStringList{missed});
    EXPECT_EQ(Form4->lists.answers(), QStringList{missedAnswer});
}

TEST_F(TestWindow, AFaultlessTestIsCongratulatedAndNeverOffersTheSave)
{
    catalogue(QStringLiteral("C:\\fiches\\vide.fic"), crlf({"Vide"}));
    const struct {
        int sheet;
        bool saveErrors, statistics;
        const char *right;
    } cases[] = {{0, true, true, "3"}, {0, true, false, "3"}, {0, false, true, "3"}, {1, true, true, "0"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sheet * 100 + c.saveErrors * 10 + c.statistics);
        sandbox.desktop().records.clear();
        choose(c.sheet);
        Form4->CheckBox1->setChecked(c.saveErrors);
        Form4->CheckBox2->setChecked(c.statistics);
        HandOff seen;
        expectHandOff(&seen);
        start();
        while (!rightAnswer().isEmpty())
            Form4->Edit5->setText(rightAnswer());

        ASSERT_EQ(sandbox.desktop().messages().size(), 1);
        EXPECT_TRUE(quiz::congratulations().contains(sandbox.desktop().messages().first()));
        EXPECT_EQ(shownForms(), c.statistics ? QStringList{"modal:For13"} : QStringList());
        if (c.statistics) {
            EXPECT_EQ(seen.right, QString::fromLatin1(c.right));
            EXPECT_EQ(seen.wrong, QStringLiteral("0"));
        }
        sandbox.desktop().modalActions.clear();
        Form4->close();
    }
}

TEST_F(TestWindow, TheEndOfATestWithErrorsGoesOnWhateverBecomesOfTheReport)
{
    const QString report = sandbox.root() + QStringLiteral("/erreurs.fic");
    const struct {
        bool saveErrors;
        std::optional<QString> answer;
        bool failWrite;
        bool written;
    } cases[] = {{false, std::nullopt, false, false},
                 {true, std::nullopt, false, false},
                 {true, report, false, true},
                 {true, report, true, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.saveErrors * 100 + c.answer.has_value() * 10 + c.failWrite);
        QFile::remove(report);
        sandbox.desktop().records.clear();
        sandbox.desktop().fileAnswers.clear();
        plat::setWriteFailureHook(
            [&](const QString &) { return c.failWrite ? QStringLiteral("Disque plein.") : QString(); });
        choose(0);
        Form4->CheckBox1->setChecked(c.saveErrors);
        start();
        sandbox.desktop().fileAnswers.push_back(c.answer);
        HandOff seen;
        expectHandOff(&seen);
        for (int i = 0; i < 3; ++i)
            Form4->BitBtn2Click();

        EXPECT_EQ(QFile::exists(report), c.written);
        EXPECT_EQ(sandbox.desktop().count(QStringLiteral("save")), c.saveErrors ? 1 : 0);
        const QStringList messages = sandbox.desktop().messages();
        if (c.failWrite) {
            ASSERT_EQ(messages.size(), 1);
            EXPECT_TRUE(messages.first().startsWith(
                QStringLiteral("Erreur : La liste des erreurs n'a pas pu être enregistrée.")));
            EXPECT_TRUE(messages.first().contains(QStringLiteral("Disque plein.")));
        } else {
            EXPECT_EQ(messages, QStringList());
        }
        EXPECT_EQ(seen.wrong, QStringLiteral("3"));
        EXPECT_EQ(Form4->Edit4, QStringLiteral("-1"));
        EXPECT_EQ(Form4->titleDisplay->memo2Line(), QStringLiteral("Pas de fiche sélectionnée"));
        Form4->close();
    }
    plat::setWriteFailureHook({});
}

TEST_F(TestWindow, EachQuestionIsAskedAndCountedOnce)
{
    // Answers with nothing left once punctuation does not count: emptying
    // the field inside a tick must not judge them a second time.
    catalogue(QStringLiteral("C:\\fiches\\ponctuation.fic"), crlf({"P", "", "vide", "?!", "cris", "...", "points"}));
    choose(1);
    Form4->CheckBox4->setChecked(false);
    HandOff seen;
    expectHandOff(&seen);
    start();
    QStringList asked{Form4->Label12->text()};
    Form4->Edit5->setText(QStringLiteral("x"));
    Form4->BitBtn2Click(); // wrong
    asked << Form4->Label12->text();
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 1"));
    Form4->Timer1Timer(); // nothing typed: right
    asked << Form4->Label12->text();
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 0"));
    Form4->Edit5->setText(QStringLiteral(" ?")); // right at once

    asked.sort();
    EXPECT_EQ(asked, QStringList({"cris", "points", "vide"}));
    EXPECT_EQ(seen.right, QStringLiteral("2"));
    EXPECT_EQ(seen.wrong, QStringLiteral("1"));
}

TEST_F(TestWindow, TypingOutsideARunningTestJudgesNothing)
{
    choose(0);
    Form4->Edit5->setText(QStringLiteral("abc"));
    Form4->Edit5->clear(); // equal to the empty expected answer before the start
    EXPECT_FALSE(Form4->Timer1->isActive());
    Form4->Edit5->setText(QStringLiteral("abc"));
    start();
    EXPECT_EQ(Form4->Edit3, QStringLiteral("0"));
    EXPECT_EQ(Form4->Edit4, QStringLiteral("0"));

    for (int i = 0; i < 3; ++i)
        Form4->BitBtn2Click();
    ASSERT_EQ(sandbox.desktop().count(QStringLiteral("modal")), 1);
    // After the end, neither the last answer nor the pause button ends it again.
    Form4->Edit5->setText(QStringLiteral("house"));
    Form4->BitBtn5Click();
    Form4->BitBtn4Click();
    Form4->BitBtn2Click();
    EXPECT_EQ(sandbox.desktop().count(QStringLiteral("modal")), 1);
    EXPECT_FALSE(Form4->Timer1->isActive());
}

TEST_F(TestWindow, PauseAndResumeGiveTheQuestionAFullInterval)
{
    choose(0);
    start();
    Form4->Timer3Timer();
    Form4->Timer3Timer();
    Form4->Timer4Timer();
    const QString question = Form4->Label12->text();
    Form4->BitBtn5Click();
    EXPECT_FALSE(Form4->Timer1->isActive());
    EXPECT_FALSE(Form4->Timer3->isActive());
    EXPECT_FALSE(Form4->Timer4->isActive());
    EXPECT_FALSE(Form4->Edit5->isEnabled());
    EXPECT_TRUE(Form4->BitBtn4->isVisibleTo(Form4));
    EXPECT_FALSE(Form4->BitBtn5->isVisibleTo(Form4));
    Form4->BitBtn2Click(); // giving up waits for the resume
    EXPECT_EQ(Form4->Label12->text(), question);

    Form4->BitBtn4Click();
    EXPECT_TRUE(Form4->Timer1->isActive());
    EXPECT_EQ(Form4->Timer1->interval(), 20000);
    EXPECT_GT(Form4->Timer1->remainingTime(), 19000);
    EXPECT_TRUE(Form4->Timer3->isActive());
    EXPECT_TRUE(Form4->Timer4->isActive());
    EXPECT_TRUE(Form4->Edit5->isEnabled());
    EXPECT_EQ(Form4->Label2->text(), QStringLiteral("Temps total écoulé : 2 s."));
    Form4->Timer4Timer();
    EXPECT_EQ(Form4->Label4->text(), QStringLiteral("Temps écoulé : 1,5 s."));
}

TEST_F(TestWindow, ReturningToTheWindowKeepsTheTestShowingItAgainLeavesIt)
{
    choose(0);
    plat::desktop().showModal(Form12); // back from the settings: still ready
    EXPECT_TRUE(Form4->BitBtn1->isVisibleTo(Form4));
    start();
    plat::desktop().showModal(Form5);
    EXPECT_TRUE(Form4->Timer1->isActive());
    EXPECT_TRUE(Form4->BitBtn3->isVisibleTo(Form4));
    EXPECT_EQ(Form4->phase(), quiz::Phase::Running);

    Form4->Timer3Timer();
    Form1->RadioButton3Click();
    EXPECT_EQ(Form4->phase(), quiz::Phase::Choosing);
    EXPECT_FALSE(Form4->Timer1->isActive());
    EXPECT_FALSE(Form4->Timer3->isActive());
    EXPECT_EQ(Form4->Label9, QStringLiteral("0"));
    EXPECT_TRUE(Form4->ListBox1->isVisibleTo(Form4));
    EXPECT_FALSE(Form4->BitBtn3->isVisibleTo(Form4));
}

TEST_F(TestWindow, ANoteIsNotAskedForButShownAfterwards)
{
    catalogue(QStringLiteral("C:\\fiches\\note.fic"), crlf({"N", "to run [irregular]", "courir", "x", "y"}));
    choose(1);
    start();
    while (Form4->Label12->text() != QLatin1String("courir"))
        Form4->BitBtn2Click();
    Form4->Edit5->setText(QStringLiteral("to run"));
    EXPECT_EQ(Form4->Label17->text(), QStringLiteral("Termes justes : 1"));
    EXPECT_EQ(Form4->Label29->text(), QStringLiteral("to run [irregular]"));
}

TEST_F(TestWindow, SettingsChangeTheIntervalTheDirectionAndTheFonts)
{
    choose(0);
    browse(kSheet);
    const QStringList report = Form4->ListBox6.lines();
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPixelSize(30);
    sandbox.desktop().fontAnswers.push_back(chosen);
    sandbox.desktop().modalActions.push_back([&](plat::Form *) {
        Form12->TrackBar1->setValue(35);
        EXPECT_EQ(Form12->Label4->text(), QStringLiteral("Intervalle de temps : 35 sec"));
        EXPECT_EQ(sandbox.get(kSettings), crlf({"d", "n", "c", "800", "Mouse", "1", "3", "35"}));
        Form12->ComboBox1->setCurrentText(QStringLiteral("Terme étranger"));
        EXPECT_EQ(Form4->Label7->text(), QStringLiteral("Terme étranger :"));
        EXPECT_EQ(Form4->Label8->text(), QStringLiteral("Terme français :"));
        EXPECT_EQ(Form4->Label27->text(), QStringLiteral("Terme étranger précédent :"));
        EXPECT_EQ(Form4->Label28->text(), QStringLiteral("Terme français précédent :"));
        EXPECT_EQ(Form4->lists.questions(), QStringList({"cat", "to run [irregular]", "house"}));
        Form12->ComboBox1->setCurrentText(QStringLiteral("autre"));
        EXPECT_EQ(Form4->lists.questions(), QStringList({"cat", "to run [irregular]", "house"}));
        Form12->BitBtn2Click(); // back from the font dialog: Annuler still knows the entry
        Form12->BitBtn6Click();
        return plat::mrCancel;
    });
    Form4->BitBtn6Click();

    EXPECT_EQ(sandbox.get(kSettings), crlf({"d", "n", "c", "800", "Mouse", "1", "3", "20"}));
    EXPECT_EQ(Form12->ComboBox1->currentText(), QStringLiteral("Terme français"));
    EXPECT_EQ(Form4->Label7->text(), QStringLiteral("Terme français :"));
    EXPECT_EQ(Form4->lists.questions(), QStringList({"chat", "courir", "maison"}));
    // The sheet under test keeps its title and its report.
    EXPECT_EQ(Form4->titleDisplay->memo2Line(), kTitle);
    EXPECT_EQ(Form4->ListBox6.lines(), report);
    EXPECT_EQ(Form4->Label12->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(Form4->label26->font().pointSize(), 10);
    EXPECT_EQ(Form4->label26->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(Form12->BitBtn2->font().pointSize(), 7);
    EXPECT_GT(Form4->Shape1->height(), 0);
    // The focus frame around the answer field leaves its caption whole.
    EXPECT_GT(Form4->Edit5->y() - Form4->Label8->geometry().bottom(), plat::kFocusFrameMargin);
}

TEST_F(TestWindow, ASheetThatCannotBeReadGivesNoQuestions)
{
    catalogue(QStringLiteral("C:\\fiches\\disparue.fic"), {});
    QFile::remove(plat::hostPath(QStringLiteral("C:\\fiches\\disparue.fic")));
    for (const bool catalogued : {true, false}) {
        SCOPED_TRACE(catalogued);
        sandbox.desktop().records.clear();
        choose(0); // a good sheet first
        if (catalogued) {
            choose(1);
            EXPECT_EQ(Form4->titleDisplay->memo2Line(), QString());
        } else {
            browse(sandbox.root()); // a folder
        }
        EXPECT_EQ(sandbox.desktop().messages(), QStringList{kCannotOpen});
        EXPECT_TRUE(Form4->lists.isEmpty());
        EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 0"));
    }
    // Keyboard mode: the button asks for a choice first.
    sandbox.desktop().records.clear();
    Form1->RadioButton6Click();
    Form1->RadioButton3Click();
    Form4->BitBtn7Click();
    EXPECT_EQ(sandbox.desktop().messages(),
              QStringList{"Sélectionnez d'abord la fiche sur laquelle vous voulez vous tester."});
    Form4->ListBox9->setCurrentRow(0);
    Form4->BitBtn7Click();
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 3"));
}

TEST_F(TestWindow, EnterChoosesStartsAndGivesUp)
{
    Form1->RadioButton6Click();
    Form1->RadioButton3Click();
    const auto enter = [](QWidget *w) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    };
    Form4->ListBox9->setCurrentRow(0);
    enter(Form4->ListBox9);
    EXPECT_EQ(Form4->phase(), quiz::Phase::Ready);
    enter(Form4->Edit5);
    EXPECT_EQ(Form4->phase(), quiz::Phase::Running);
    Form4->Timer1Timer(); // the priming tick
    enter(Form4->Edit5);
    EXPECT_EQ(Form4->Label20->text(), QStringLiteral("Termes faux : 1"));
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 1"));
}

// Each test of one opening of the window is timed from 0, and its question
// clock stops when it ends.
TEST_F(TestWindow, EachTestIsTimedFromZero)
{
    choose(0);
    for (const int seconds : {5, 2}) {
        SCOPED_TRACE(seconds);
        // The second sheet is chosen without leaving the window.
        Form4->ListBox1->setItemIndex(0);
        Form4->ListBox1Click();
        start();
        EXPECT_EQ(Form4->Label2->text(), QStringLiteral("Temps total écoulé : 0 s"));
        for (int s = 0; s < seconds; ++s)
            Form4->Timer3Timer();
        HandOff seen;
        expectHandOff(&seen);
        Form4->CheckBox1->setChecked(false);
        for (int i = 0; i < 3; ++i)
            Form4->BitBtn2Click();
        EXPECT_EQ(seen.seconds, QString::number(seconds));
        EXPECT_EQ(Form4->Label2->text(), QStringLiteral("Temps total écoulé : %1 s.").arg(seconds));
        EXPECT_FALSE(Form4->Timer4->isActive());
        EXPECT_FALSE(Form4->Timer3->isActive());
    }
}

// A test's figures belong to one sheet: the keyboard's list, left beside a
// sheet opened with "Parcourir...", takes no other sheet until the test ends.
TEST_F(TestWindow, NoOtherSheetIsTakenWhileATestRuns)
{
    catalogue(QStringLiteral("C:\\fiches\\autre.fic"), crlf({"Autre", "a", "b"}));
    Form1->RadioButton6Click();
    Form1->RadioButton3Click();
    browse(kSheet);
    start();
    const QString question = Form4->Label12->text();
    Form4->ListBox9->setCurrentRow(1);
    Form4->BitBtn7Click();
    EXPECT_FALSE(Form4->ListBox9->isEnabled() || Form4->BitBtn7->isEnabled());
    EXPECT_EQ(Form4->phase(), quiz::Phase::Running);
    EXPECT_TRUE(Form4->Timer1->isActive() && Form4->Timer3->isActive());
    EXPECT_EQ(Form4->titleDisplay->memo2Line(), kTitle);
    EXPECT_EQ(Form4->Label12->text(), question);
    EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : 2"));

    Form4->CheckBox1->setChecked(false);
    Form4->CheckBox2->setChecked(false);
    for (int i = 0; i < 3; ++i)
        Form4->BitBtn2Click();
    Form4->BitBtn7Click(); // the test is over: the list chooses again
    EXPECT_EQ(Form4->phase(), quiz::Phase::Ready);
    EXPECT_EQ(Form4->titleDisplay->memo2Line(), QStringLiteral("Autre"));
}

// A right answer is accepted as it is typed: an Enter pressed out of habit
// just after it, on the emptied field, gives up on nothing. The user sees
// the verdict of each question.
TEST_F(TestWindow, EnterJustAfterAnAcceptedAnswerIsIgnored)
{
    const struct {
        const char *name;
        bool accepted;   // the previous question was answered right as typed
        int laterMs;     // when Enter comes
        const char *typed;
        bool givesUp;
    } cases[] = {
        {"at once", true, 0, "", false},
        {"a moment later", true, 1200, "", false},
        {"later", true, 1600, "", true},
        {"something typed", true, 300, "x", true},
        {"after giving up", false, 300, "", true},
    };
    const auto enter = [] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(Form4->Edit5, &press);
    };
    const QDateTime moment = sandbox.system().now();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        sandbox.system().setNow(moment);
        choose(0);
        start();
        EXPECT_EQ(Form4->verdict->text(), QString());
        const QString expected = rightAnswer();
        if (c.accepted) {
            Form4->Edit5->setText(expected);
            EXPECT_EQ(Form4->verdict->text(), QStringLiteral("Juste !"));
        } else {
            Form4->BitBtn2Click();
            EXPECT_EQ(Form4->verdict->text(), QStringLiteral("Faux ! Réponse attendue : ") + Form4->Label29->text());
        }
        const QString question = Form4->Label12->text();
        sandbox.system().setNow(moment.addMSecs(c.laterMs));
        Form4->Edit5->setText(QString::fromLatin1(c.typed));
        enter();
        EXPECT_EQ(Form4->Edit4, QString::number(c.givesUp + !c.accepted));
        EXPECT_EQ(Form4->Label13->text(), QStringLiteral("Termes restants : %1").arg(c.givesUp ? 0 : 1));
        EXPECT_EQ(Form4->Label12->text() == question, !c.givesUp);
        EXPECT_EQ(Form4->verdict->text().startsWith(QStringLiteral("Faux ! Réponse attendue : ")), c.givesUp);
        Form4->close();
    }
}

} // namespace

// Escape, or the close box, during a test asks before its answers are lost:
// Non (the default) keeps the test as it was, Oui leaves it as "Quitter le
// test" does. The test waits while the question is asked.
TEST_F(TestWindow, LeavingDuringATestAsksFirst)
{
    const QString question = QStringLiteral("Abandonner le test en cours ?");
    const auto escape = [] {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(Form4->focusWidget() ? Form4->focusWidget() : Form4, &key);
    };
    // What the window manager's close box sends.
    const auto closeBox = [] {
        QCloseEvent close;
        QApplication::sendEvent(Form4, &close);
        if (close.isAccepted())
            Form4->hide();
    };
    const struct {
        const char *how;
        std::function<void()> leave;
        bool paused;
        std::optional<int> answer; // none: the box's default
    } cases[] = {
        {"Escape, running, default", escape, false, std::nullopt},
        {"Escape, running, Non", escape, false, plat::mrNo},
        {"Escape, paused, Non", escape, true, plat::mrNo},
        {"close box, running, Non", closeBox, false, plat::mrNo},
        {"close box, paused, default", closeBox, true, std::nullopt},
        {"Escape, running, Oui", escape, false, plat::mrYes},
        {"Escape, paused, Oui", escape, true, plat::mrYes},
        {"close box, running, Oui", closeBox, false, plat::mrYes},
        {"close box, paused, Oui", closeBox, true, plat::mrYes},
        {"Quitter le test", [] { Form4->BitBtn2->click(); }, false, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        choose(0);
        start();
        Form4->BitBtn2Click(); // one wrong answer
        if (c.paused)
            Form4->BitBtn5Click();
        const quiz::Phase phase = Form4->phase();
        const QString left = Form4->Label13->text();
        sandbox.desktop().records.clear();
        if (c.answer)
            sandbox.desktop().messageAnswers.push_back(*c.answer);
        c.leave();
        const bool asked = sandbox.desktop().messages() == QStringList{question};
        if (c.answer == plat::mrYes || std::string(c.how) == "Quitter le test") {
            EXPECT_EQ(asked, std::string(c.how) != "Quitter le test");
            EXPECT_FALSE(Form4->isVisible());
            EXPECT_EQ(Form4->phase(), quiz::Phase::Choosing);
            EXPECT_FALSE(Form4->Timer1->isActive());
            EXPECT_FALSE(Form4->Timer3->isActive());
            EXPECT_EQ(Form4->titleDisplay->memo2Line(), QStringLiteral("Fenêtre de test Tavilo !"));
            continue;
        }
        EXPECT_TRUE(asked) << sandbox.desktop().messages().join('\n').toStdString();
        EXPECT_TRUE(Form4->isVisible());
        EXPECT_EQ(Form4->phase(), phase);
        EXPECT_EQ(Form4->Timer1->isActive(), !c.paused);
        EXPECT_EQ(Form4->Timer3->isActive(), !c.paused);
        EXPECT_EQ(Form4->Edit5->isEnabled(), !c.paused);
        EXPECT_EQ(Form4->Label20->text(), QStringLiteral("Termes faux : 1"));
        EXPECT_EQ(Form4->Label13->text(), left);
        Form4->FormClose();
    }
}

// Each font comes with its colour, blue at first: the button and the term
// take both, the previous term stays lime. One dialog serves both buttons, so
// it offers the last colour chosen; a cancelled colour keeps it. The fonts
// and colours outlast "Annuler", the test and the window's closing.
TEST_F(TestWindow, EachFontComesWithItsColour)
{
    const auto text = [](const QWidget *w, QPalette::ColorRole role) { return w->palette().color(role); };
    EXPECT_EQ(text(Form4->Label12, QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(text(Form4->Edit5, QPalette::Text), QColor(Qt::blue));
    choose(0);
    QFont question(QStringLiteral("DejaVu Sans"));
    question.setPixelSize(30);
    QFont answer(QStringLiteral("Liberation Mono"));
    answer.setPixelSize(25);
    auto &d = sandbox.desktop();
    d.fontAnswers = {question, answer, std::nullopt};
    d.colourAnswers = {QColor(Qt::red), std::nullopt};
    d.modalActions.push_back([&](plat::Form *) {
        Form12->BitBtn2Click();
        Form12->BitBtn3Click();
        Form12->BitBtn2Click(); // the font dialog cancelled: no colour asked, nothing changes
        Form12->BitBtn6Click();
        return plat::mrCancel;
    });
    d.records.clear();
    Form4->BitBtn6Click();
    QStringList asked;
    for (const auto &r : d.records)
        if (r.kind == QLatin1String("font") || r.kind == QLatin1String("colour"))
            asked << r.kind + u' ' + r.detail;
    EXPECT_EQ(asked, QStringList({"font ", "colour #0000ff", "font ", "colour #ff0000", "font "}));

    const QColor red(Qt::red), lime(0, 255, 0);
    const auto check = [&] {
        EXPECT_EQ(Form4->Label12->font().family(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(text(Form4->Label12, QPalette::WindowText), red);
        EXPECT_EQ(Form4->Edit5->font().family(), QStringLiteral("Liberation Mono"));
        EXPECT_EQ(text(Form4->Edit5, QPalette::Text), red);
        EXPECT_EQ(text(Form12->BitBtn2, QPalette::ButtonText), red);
        EXPECT_EQ(text(Form12->BitBtn3, QPalette::ButtonText), red);
        EXPECT_EQ(Form12->BitBtn3->font().pointSize(), 7);
        EXPECT_EQ(text(Form4->label26, QPalette::WindowText), lime);
        EXPECT_EQ(text(Form4->Label29, QPalette::WindowText), lime);
        EXPECT_EQ(Form4->Label29->font().pointSize(), 10);
    };
    check();
    start();
    while (Form4->phase() == quiz::Phase::Running)
        Form4->BitBtn2Click();
    Form4->FormClose();
    choose(0);
    check();
}

// "Annuler" puts back the interval and the direction found when the window
// was opened, also after a visit to its own dialogs or a message box.
TEST_F(TestWindow, CancelUndoesWhatWasChangedBeforeADialog)
{
    const struct {
        const char *what;
        std::function<void()> dialog;
    } cases[] = {
        {"font and colour", [this] {
             sandbox.desktop().fontAnswers.push_back(QFont(QStringLiteral("DejaVu Sans")));
             sandbox.desktop().colourAnswers.push_back(QColor(Qt::darkGreen));
             Form12->BitBtn3Click();
         }},
        {"settings that cannot be saved", [] {
             plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
             Form12->TrackBar1->setValue(50);
             plat::setWriteFailureHook({});
         }},
    };
    choose(0);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        sandbox.desktop().modalActions.push_back([&](plat::Form *) {
            Form12->TrackBar1->setValue(35);
            Form12->ComboBox1->setCurrentText(QStringLiteral("Terme étranger"));
            c.dialog();
            Form12->BitBtn6Click();
            return plat::mrCancel;
        });
        Form4->BitBtn6Click();
        EXPECT_EQ(Form12->TrackBar1->value(), 20);
        EXPECT_EQ(sandbox.get(kSettings), crlf({"d", "n", "c", "800", "Mouse", "1", "3", "20"}));
        EXPECT_EQ(Form12->ComboBox1->currentText(), QStringLiteral("Terme français"));
        EXPECT_EQ(Form4->lists.questions().size(), 3);
        EXPECT_EQ(Form4->Label7->text(), QStringLiteral("Terme français :"));
    }
    EXPECT_EQ(sandbox.desktop().messages(), QStringList{"Vos paramètres utilisateur n'ont pas pu être sauvés."});
}
