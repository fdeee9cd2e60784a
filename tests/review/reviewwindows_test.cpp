#include "app/mainwindow.h"
#include "platform/drivepath.h"
#include "platform/fileio.h"
#include "review/store.h"
#include "statistics/completionwindow.h"
#include "statistics/statisticswindow.h"
#include "testing/testsettingswindow.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <set>

using testing_support::crlf;

namespace {

const QString kSheet = QStringLiteral("C:\\fiches\\anglais.fic");
const QString kSettings = QStringLiteral("C:\\windows\\tavilo.ini");
const QString kAnna = QStringLiteral("C:\\users\\anna.user");
const QString kBen = QStringLiteral("C:\\users\\ben.user");
const QByteArray kAnnaHeader = crlf({"Fiche de Statistiques Utilisateur :", "Anna", "Orsiva", "", ""});
const QString kNotRecorded = QStringLiteral("Erreur : Les statistiques n'ont pas pu être enregistrées.");

class ReviewWindows : public testing_support::QuietWindowSet {
protected:
    void SetUp() override
    {
        QuietWindowSet::SetUp();
        sandbox.put(kSettings, crlf({"d", "n", "c", "800", "Mouse", "1", "3", "20"}));
        Form1->Memo6.loadFromFile(kSettings);
        const QByteArray sheet =
            crlf({"Anglais //par Luc\\\\", "cat", "chat", "to run [irregular]", "courir", "house", "maison"});
        sandbox.put(kSheet, sheet);
        Form1->ListBox1.append(kSheet);
        Form4->ListBox1->addItem(QStringLiteral("Anglais //par Luc\\\\"));
        sandbox.put(kAnna, kAnnaHeader);
        sandbox.put(kBen, crlf({"Fiche de Statistiques Utilisateur :", "Ben", "Orsiva", "", ""}));
        For2->Memo3.setLines({kAnna, kBen});
        For2->Memo3Change();
    }

    // Answers every question of the running test, wrong for the questions
    // named, right for the others.
    void answerAll(const std::set<QString> &wrong = {})
    {
        static const QHash<QString, QString> answers = {
            {"chat", "cat"}, {"courir", "to run"}, {"maison", "house"}};
        Form4->BitBtn1Click();
        Form4->Timer1Timer(); // the priming tick
        for (int guard = 0; guard < 10 && Form4->phase() == quiz::Phase::Running; ++guard) {
            const QString question = Form4->Label12->text();
            if (wrong.count(question)) {
                Form4->Edit5->setText(QStringLiteral("faux"));
                Form4->BitBtn2Click();
            } else {
                Form4->Edit5->setText(answers.value(question));
            }
        }
    }
    // The sheet chosen for a test, the completion window to be answered by
    // `completion`.
    void chooseSheet(const std::function<int(plat::Form *)> &completion)
    {
        Form1->RadioButton3Click();
        Form4->ListBox1->setItemIndex(0);
        Form4->ListBox1Click();
        Form4->CheckBox1->setChecked(false);
        if (completion)
            sandbox.desktop().modalActions.push_back(completion);
    }
    static std::function<int(plat::Form *)> chooseUser(int i)
    {
        return [i](plat::Form *) {
            For13->ListBox1->setItemIndex(i);
            For13->ListBox1Click();
            return For13->result();
        };
    }
    void chooseInStatistics(int i)
    {
        For2->ListBox1->setItemIndex(i);
        For2->ListBox1Click();
    }
    static void dropStore()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(plat::hostPath(review::kStorePath) + QLatin1String(suffix));
    }
    void setToday(int day)
    {
        sandbox.system().setNow(QDateTime(QDate(2026, 12, 8).addDays(day), QTime(9, 0, 0)));
    }
};

TEST_F(ReviewWindows, AnswersAreKeptForTheUserChosenAndOnlyWhenTheTestIsRecorded)
{
    const struct {
        const char *what;
        std::function<void()> arrange;
        std::function<int(plat::Form *)> completion;
        qint64 anna, ben;
        bool annaRecord;
        QStringList messages;
    } cases[] = {
        {"anna", {}, chooseUser(0), 3, 0, true, {"Test enregistré pour Anna."}},
        {"ben", {}, chooseUser(1), 0, 3, false, {"Test enregistré pour Ben."}},
        {"nobody: Quitter",
         {},
         [](plat::Form *) {
             For13->QuitterClick();
             return For13->result();
         },
         0, 0, false, {}},
        {"nobody: statistics unticked", [] { Form4->CheckBox2->setChecked(false); }, {}, 0, 0, false, {}},
        {"the user file cannot be written",
         [] {
             plat::setWriteFailureHook([](const QString &host) {
                 return host.endsWith(QLatin1String("anna.user")) ? QStringLiteral("No space left on device")
                                                                  : QString();
             });
         },
         chooseUser(0), 0, 0, false, {kNotRecorded}},
        // A kill between the user file and the transaction, or a full disk
        // under the database: the record stays, the answers are missing.
        {"the database cannot be written",
         [] {
             plat::setWriteFailureHook([](const QString &host) {
                 return host.endsWith(QLatin1String(".sqlite")) ? QStringLiteral("No space left on device")
                                                                : QString();
             });
         },
         chooseUser(0), 0, 0, true,
         {"La révision espacée n'a pas pu écrire dans sa base :\nIl n'y a plus de place sur le disque.\nLe test est "
          "bien enregistré dans la fiche utilisateur ; seules ses réponses manqueront à la révision espacée.",
          "Test enregistré pour Anna."}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        sandbox.put(kAnna, kAnnaHeader);
        dropStore();
        sandbox.desktop().records.clear();
        Form4->CheckBox2->setChecked(true);
        chooseSheet(c.completion);
        // Arranged once the sheet is chosen, so that the hook spares nothing
        // but what it names.
        if (c.arrange)
            c.arrange();
        answerAll({"courir"});
        plat::setWriteFailureHook({});
        EXPECT_EQ(sandbox.desktop().messages(), c.messages);
        EXPECT_EQ(sandbox.get(kAnna).size() > kAnnaHeader.size(), c.annaRecord);
        review::Store store;
        EXPECT_EQ(store.answerCount(kAnna), c.anna);
        EXPECT_EQ(store.answerCount(kBen), c.ben);
        if (c.anna == 3) {
            EXPECT_EQ(store.card(kAnna, "chat", "cat")->state.lapses + store.card(kAnna, "chat", "cat")->state.reps, 1);
            EXPECT_FALSE(store.card(kAnna, "courir", "to run [irregular]")->state.due
                         > QDate(2026, 12, 9)); // wrong: due the next day
            EXPECT_EQ(store.card(kAnna, "maison", "house")->sheet, kSheet);
        }
    }
}

TEST_F(ReviewWindows, ADamagedDatabaseIsSetAsideAndTheTestRecordedAllTheSame)
{
    sandbox.put(review::kStorePath, "pas une base\r\n");
    chooseSheet(chooseUser(0));
    answerAll({"courir"});
    const QStringList messages = sandbox.desktop().messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(1), QStringLiteral("Test enregistré pour Anna."));
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("La base de la révision espacée « "
                                                           "C:\\windows\\tavilo-revision.sqlite » était endommagée")));
    EXPECT_GT(sandbox.get(kAnna).size(), kAnnaHeader.size());
    EXPECT_EQ(sandbox.get(review::kStorePath + QStringLiteral(".endommagee-20261208-103015")), "pas une base\r\n");
    EXPECT_EQ(review::Store().answerCount(kAnna), 3);
}

// A user tests on day 0, then each later day the statistics window shows
// what is due and a review brings exactly that back.
TEST_F(ReviewWindows, TheStatisticsAreaShowsWhatIsDueAndAReviewBringsItBack)
{
    chooseSheet(chooseUser(0));
    answerAll({"courir"});
    const QString card = QStringLiteral("courir");

    For2->FormActivate();
    EXPECT_EQ(For2->LabelRevision->text(), QStringLiteral("Révision espacée : choisissez un utilisateur"));
    EXPECT_FALSE(For2->BitBtnReviser->isEnabled());
    chooseInStatistics(0);
    EXPECT_EQ(For2->LabelRevision->text(), QStringLiteral("Révision espacée :"));
    EXPECT_EQ(For2->LabelSuivies->text(), QStringLiteral("Paires suivies : 3"));
    EXPECT_EQ(For2->LabelARevoir->text(), QStringLiteral("À revoir aujourd'hui : 0"));
    EXPECT_EQ(For2->LabelRetention->text(), QStringLiteral("Rétention estimée aujourd'hui : 100 %"));
    EXPECT_EQ(For2->BitBtnReviser->text(), QStringLiteral("Prochaine révision le 09/12/2026"));
    EXPECT_FALSE(For2->BitBtnReviser->isEnabled());
    // One pair due tomorrow, two in three days: the second bar is empty.
    const QImage chart = For2->ImageRevision->pixmap().toImage();
    const QColor green(0, 255, 0), black(0, 0, 0);
    EXPECT_EQ(chart.pixelColor(1, chart.height() - 3), green);
    EXPECT_EQ(chart.pixelColor(1, chart.height() / 2 - 4), black);
    EXPECT_EQ(chart.pixelColor(9, chart.height() - 3), black);
    EXPECT_EQ(chart.pixelColor(17, 0), green);
    // The new controls come after the others.
    QStringList tabs;
    for (QWidget *w = For2->ListBox1; tabs.size() < 8; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            tabs << w->objectName();
    EXPECT_EQ(tabs, QStringList({"ListBox1", "BitBtn7", "BitBtn5", "BitBtn6", "BitBtn9", "BitBtn4", "Memo1",
                                 "BitBtnReviser"}));

    setToday(1);
    chooseInStatistics(0);
    EXPECT_EQ(For2->LabelARevoir->text(), QStringLiteral("À revoir aujourd'hui : 1"));
    EXPECT_EQ(For2->BitBtnReviser->text(), QStringLiteral("Réviser maintenant (1 paire)"));
    ASSERT_TRUE(For2->BitBtnReviser->isEnabled());
    const review::CardState before = review::Store().card(kAnna, card, "to run [irregular]")->state;

    sandbox.desktop().records.clear();
    QStringList written;
    plat::setWriteWatcher([&](const QString &host) { written << QFileInfo(host).fileName(); });
    QString title, remaining;
    bool statisticsOffered = true;
    sandbox.desktop().modalActions.push_back([&](plat::Form *form) {
        EXPECT_EQ(form, Form4);
        title = Form4->titleDisplay->memo2Line();
        remaining = Form4->Label13->text();
        statisticsOffered = Form4->CheckBox2->isEnabled();
        answerAll();
        return int(plat::mrNone);
    });
    For2->BitBtnReviser->click();
    plat::setWriteWatcher({});

    EXPECT_EQ(title, QStringLiteral("Révision de Anna //du 09/12/2026\\"));
    EXPECT_EQ(remaining, QStringLiteral("Termes restants : 1"));
    EXPECT_FALSE(statisticsOffered);
    // Faultless: the congratulations, then what the review did.
    const QStringList messages = sandbox.desktop().messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(1), QStringLiteral("Révision terminée : 1 paire revue, dont 1 juste.\n"
                                             "Prochaine révision : le 11/12/2026."));
    EXPECT_EQ(sandbox.desktop().count(QStringLiteral("modal")), 1); // no completion window
    EXPECT_EQ(written, QStringList({"anna.user", "tavilo-revision.sqlite"}));
    const QByteArray file = sandbox.get(kAnna);
    // Written in Windows-1252, as every record.
    EXPECT_TRUE(file.endsWith(QString::fromUtf8(crlf({"-----", "Test 2", "Date :", "09/12/2026", "Heure :", "09:00:00",
                                                      "Fiche :", "Révision de Anna //du 09/12/2026\\", "Termes :",
                                                      "1", "Pourcentage juste :", "100", "Temps (sec) :", "0", "",
                                                      ""}))
                                  .toLatin1()))
        << file.toStdString();
    review::Store store;
    EXPECT_EQ(store.answerCount(kAnna), 4);
    const review::CardState after = store.card(kAnna, card, "to run [irregular]")->state;
    EXPECT_EQ(after.due, review::answered(before, QDate(2026, 12, 9), true).due);
    // Back in the statistics window, on the same user.
    EXPECT_EQ(For2->ListBox1->itemIndex(), 0);
    EXPECT_EQ(For2->LabelARevoir->text(), QStringLiteral("À revoir aujourd'hui : 0"));

    setToday(3);
    chooseInStatistics(0);
    EXPECT_EQ(For2->BitBtnReviser->text(), QStringLiteral("Réviser maintenant (2 paires)"));
}

TEST_F(ReviewWindows, AReviewLeftBeforeItsEndRecordsNothing)
{
    chooseSheet(chooseUser(0));
    answerAll({"courir"});
    const QByteArray file = sandbox.get(kAnna);
    setToday(1);
    chooseInStatistics(0);
    sandbox.desktop().modalActions.push_back([](plat::Form *) {
        Form4->BitBtn1Click();
        Form4->Timer1Timer();
        Form4->FormClose();
        return int(plat::mrNone);
    });
    For2->BitBtnReviserClick();
    EXPECT_EQ(sandbox.get(kAnna), file);
    EXPECT_EQ(review::Store().answerCount(kAnna), 3);
    EXPECT_FALSE(Form4->reviewing());
}

TEST_F(ReviewWindows, RemovingAUserKeepsTheirAnswersUnlessTheyAgree)
{
    const struct {
        int remove;
        std::deque<int> answers;
        int questions;
        qint64 annaAfter;
    } cases[] = {
        {0, {plat::mrNo}, 1, 3},
        {0, {plat::mrYes}, 1, 0},
        {1, {}, 0, 3}, // Ben has no answers: nothing to ask
    };
    for (const auto &c : cases) {
        dropStore();
        For2->Memo3.setLines({kAnna, kBen});
        For2->Memo3Change();
        chooseSheet(chooseUser(0));
        answerAll();
        sandbox.desktop().records.clear();
        sandbox.desktop().messageAnswers = c.answers;
        chooseInStatistics(c.remove);
        For2->BitBtn6Click();
        EXPECT_EQ(sandbox.desktop().count(QStringLiteral("message")), c.questions);
        EXPECT_EQ(review::Store().answerCount(kAnna), c.annaAfter);
        EXPECT_TRUE(sandbox.exists(kAnna));
    }
}

} // namespace
