#include "review/store.h"

#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "tests/support.h"

#include <QDir>
#include <QSqlDatabase>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>
#include <unistd.h>

using review::Store;
using statistics::JudgedQuestion;

namespace {

const QString kAnna = QStringLiteral("C:\\Orsiva\\anna.user");
const QString kBen = QStringLiteral("/home/ben/ben.user");
const QString kSheet = QStringLiteral("C:\\Orsiva\\Tavilo !\\anglais.fic");
const QDate kDay0(2026, 12, 8);

JudgedQuestion judged(const QString &q, const QString &a, int day, bool right, const QString &sheet = kSheet)
{
    return {q, a, sheet, QDateTime(kDay0.addDays(day), QTime(10, 30, 15)), right};
}

// The rows of a query on the database, one text per row, its values joined
// by '|', read by a connection of the test's own.
QStringList rows(const QString &sql)
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(plat::hostPath(review::kStorePath));
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i).toString();
            out << values.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return out;
}

TEST(ReviewStore, RecordsEveryAnswerForItsUserInTheOrderAsked)
{
    testing_support::Sandbox box;
    {
        Store store;
        store.record(kAnna, {judged("the dog", "le chien", 0, true), judged("le chat", "the cat", 0, false)});
        store.record(kBen, {judged("the dog", "le chien", 0, false)});
        store.record(kAnna, {});
    }
    EXPECT_EQ(rows(QStringLiteral("SELECT user, question, answer, sheet, answered_at, right FROM answers "
                                  "ORDER BY rowid")),
              (QStringList{kAnna + "|the dog|le chien|" + kSheet + "|2026-12-08T10:30:15|1",
                           kAnna + "|le chat|the cat|" + kSheet + "|2026-12-08T10:30:15|0",
                           kBen + "|the dog|le chien|" + kSheet + "|2026-12-08T10:30:15|0"}));
    Store store;
    EXPECT_EQ(store.answerCount(kAnna), 2);
    EXPECT_EQ(store.answerCount(kBen), 1);
    EXPECT_EQ(store.answerCount(QStringLiteral("C:\\Orsiva\\nobody.user")), 0);
}

TEST(ReviewStore, EachCardFollowsTheSchedulerThroughItsAnswers)
{
    testing_support::Sandbox box;
    Store store;
    // Tests on several days; a card is a user's directed pair, whatever the
    // sheet it comes from, and the sheet it last came from is kept.
    const QString other = QStringLiteral("C:\\Orsiva\\Tavilo !\\revision.fic");
    const struct {
        int day;
        QList<JudgedQuestion> test;
    } tests[] = {
        {0, {judged("dog", "chien", 0, true), judged("chien", "dog", 0, false), judged("cat", "chat", 0, false)}},
        {0, {judged("cat", "chat", 0, false), judged("cat", "chat", 0, true)}}, // the same day, twice in a test
        {3, {judged("dog", "chien", 3, true, other), judged("cat", "chat", 3, true)}},
        {40, {judged("dog", "chien", 40, false), judged("chien", "dog", 40, true)}},
    };
    std::map<std::pair<QString, QString>, review::CardState> expected;
    for (const auto &t : tests) {
        store.record(kAnna, t.test);
        for (const JudgedQuestion &j : t.test) {
            const auto key = std::make_pair(j.question, j.answer);
            const auto found = expected.find(key);
            expected[key] = review::answered(found == expected.end() ? std::nullopt
                                                                     : std::optional(found->second),
                                             j.at.date(), j.right);
        }
    }
    for (const auto &[key, state] : expected) {
        SCOPED_TRACE(key.first.toStdString());
        const std::optional<review::Card> card = store.card(kAnna, key.first, key.second);
        ASSERT_TRUE(card);
        EXPECT_EQ(card->state.memory.stability, state.memory.stability);
        EXPECT_EQ(card->state.memory.difficulty, state.memory.difficulty);
        EXPECT_EQ(card->state.lastReview, state.lastReview);
        EXPECT_EQ(card->state.due, state.due);
        EXPECT_EQ(card->state.reps, state.reps);
        EXPECT_EQ(card->state.lapses, state.lapses);
    }
    EXPECT_EQ(store.card(kAnna, "dog", "chien")->sheet, kSheet);
    EXPECT_EQ(store.card(kAnna, "dog", "chien")->state.reps, 3);
    EXPECT_EQ(store.card(kAnna, "cat", "chat")->state.reps, 4);
    EXPECT_FALSE(store.card(kBen, "dog", "chien"));
    EXPECT_EQ(rows("SELECT count(*) FROM cards"), QStringList{"3"});
}

TEST(ReviewStore, AReviewTakesDueCardsOnlyLeastLikelyRecalledFirstAtMostAHundred)
{
    for (const bool inSql : {true, false}) {
    SCOPED_TRACE(inSql ? "computed by SQLite" : "computed by the program");
    testing_support::Sandbox box;
    Store store;
    if (inSql)
        EXPECT_TRUE(store.computesInSql());
    else
        store.computeInProgram();
    // Wrong on day 0: due day 1. Right on day 0: due day 3. 130 of the
    // first kind, answered on days 0 and -5 (older, so less likely recalled).
    QList<JudgedQuestion> test;
    for (int i = 0; i < 60; ++i)
        test << judged(QStringLiteral("old %1").arg(i), "x", -5, false);
    store.record(kAnna, test);
    test.clear();
    for (int i = 0; i < 70; ++i)
        test << judged(QStringLiteral("new %1").arg(i), "x", 0, false);
    for (int i = 0; i < 5; ++i)
        test << judged(QStringLiteral("known %1").arg(i), "x", 0, true);
    store.record(kAnna, test);
    store.record(kBen, {judged("ben", "x", -5, false)});

    const struct {
        int day;
        int limit;
        qsizetype count;
        QString first;
        QString last;
    } cases[] = {
        {-5, 100, 0, {}, {}},            // nothing due the day of the answers
        {-4, 100, 60, "old 0", "old 59"}, // only the first test is due
        {1, 100, 100, "old 0", "new 39"}, // the older ones first, capped
        {1, 10, 10, "old 0", "old 9"},
        {3, 200, 135, "old 0", "known 4"}, // the right answers last
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.day);
        const QList<review::Card> due = store.dueCards(kAnna, kDay0.addDays(c.day), c.limit);
        ASSERT_EQ(due.size(), c.count);
        if (due.isEmpty())
            continue;
        EXPECT_EQ(due.first().question, c.first);
        EXPECT_EQ(due.last().question, c.last);
        double previous = 0;
        for (const review::Card &card : due) {
            EXPECT_LE(card.state.due, kDay0.addDays(c.day));
            const double recall = review::recallOn(card.state, kDay0.addDays(c.day));
            EXPECT_GE(recall, previous);
            previous = recall;
        }
    }
    }
}

TEST(ReviewStore, SummaryCountsDueCardsRetentionAndTheNextThirtyDays)
{
    for (const bool inSql : {true, false}) {
    SCOPED_TRACE(inSql ? "computed by SQLite" : "computed by the program");
    testing_support::Sandbox box;
    Store store;
    if (!inSql)
        store.computeInProgram();
    EXPECT_EQ(store.summary(kAnna, kDay0).tracked, 0);
    EXPECT_EQ(store.summary(kAnna, kDay0).retention, 0);
    EXPECT_FALSE(store.summary(kAnna, kDay0).nextDue.isValid());
    // Two wrong (due day 1), three right (due day 3), one right long ago.
    store.record(kAnna, {judged("a", "1", 0, false), judged("b", "2", 0, false), judged("c", "3", 0, true),
                         judged("d", "4", 0, true), judged("e", "5", 0, true)});
    store.record(kAnna, {judged("f", "6", -100, true)});
    store.record(kBen, {judged("a", "1", 0, false)});

    const review::Summary today = store.summary(kAnna, kDay0);
    EXPECT_EQ(today.tracked, 6);
    EXPECT_EQ(today.due, 1); // f, due day -97
    EXPECT_EQ(today.forecast.size(), review::kForecastDays);
    EXPECT_EQ(today.forecast.at(0), 2);
    EXPECT_EQ(today.forecast.at(2), 3);
    EXPECT_EQ(std::accumulate(today.forecast.begin(), today.forecast.end(), 0), 5);
    EXPECT_EQ(today.nextDue, kDay0.addDays(1));
    const double f = review::retrievability(100, review::answered(std::nullopt, kDay0, true).memory.stability);
    EXPECT_NEAR(today.retention, (5 + f) / 6, 1e-12);

    const review::Summary later = store.summary(kAnna, kDay0.addDays(2));
    EXPECT_EQ(later.due, 3);
    EXPECT_EQ(later.forecast.at(0), 3);
    EXPECT_EQ(later.nextDue, kDay0.addDays(3));
    EXPECT_LT(later.retention, today.retention);
    }
}

TEST(ReviewStore, CardsAreRebuiltFromTheAnswersAlone)
{
    testing_support::Sandbox box;
    std::mt19937 random(7);
    Store store;
    // Random tests over two years, both users, both directions.
    for (int day = 0; day < 700; day += 1 + int(random() % 20)) {
        QList<JudgedQuestion> test;
        for (int i = 0; i < 15; ++i) {
            const int pair = int(random() % 30);
            test << judged(QStringLiteral("q%1").arg(pair), QStringLiteral("a%1").arg(pair % 7), day,
                           random() % 3 != 0, QStringLiteral("sheet %1").arg(random() % 3));
        }
        store.record(day % 2 ? kAnna : kBen, test);
    }
    const QString all = QStringLiteral("SELECT user, question, answer, sheet, difficulty, stability, last_review, "
                                       "due, reps, lapses FROM cards ORDER BY user, question, answer");
    const QStringList before = rows(all);
    ASSERT_GT(before.size(), 50);
    store.rebuildCards();
    EXPECT_EQ(rows(all), before);
}

TEST(ReviewStore, RemovingAUserRemovesTheirRowsOnly)
{
    testing_support::Sandbox box;
    Store store;
    store.record(kAnna, {judged("a", "1", 0, false), judged("b", "2", 0, true)});
    store.record(kBen, {judged("a", "1", 0, false)});
    EXPECT_EQ(store.removeUser(kAnna), 2);
    EXPECT_EQ(store.answerCount(kAnna), 0);
    EXPECT_EQ(store.summary(kAnna, kDay0).tracked, 0);
    EXPECT_EQ(store.answerCount(kBen), 1);
    EXPECT_EQ(store.summary(kBen, kDay0).tracked, 1);
}

QByteArray foreignDatabase()
{
    // A SQLite file of another program, with a table named like ours.
    const QString path = QDir::temp().filePath(QStringLiteral("tavilo-foreign-%1.sqlite").arg(getpid()));
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE answers(id INTEGER, text TEXT)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    QFile::remove(path);
    return bytes;
}

TEST(ReviewStore, ADamagedFileIsSetAsideAndANewDatabaseStarted)
{
    QByteArray damagedHeader("SQLite format 3\0", 16);
    damagedHeader += QByteArray(4080, '\x5a');
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"text", "Fiche de Statistiques Utilisateur :\r\n"},
        {"random bytes", QByteArray(5000, '\xc3')},
        {"a SQLite header over garbage", damagedHeader},
        {"another program's database", foreignDatabase()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::Sandbox box;
        box.put(review::kStorePath, c.bytes);
        Store store;
        EXPECT_TRUE(store.notice().contains(QStringLiteral("endommagée"))) << store.notice().toStdString();
        const QString aside = review::kStorePath + QStringLiteral(".endommagee-20261208-103015");
        EXPECT_TRUE(store.notice().contains(aside));
        EXPECT_EQ(box.get(aside), c.bytes);
        store.record(kAnna, {judged("a", "1", 0, true)});
        EXPECT_EQ(store.answerCount(kAnna), 1);
        // Set aside once: the new database is whole.
        Store again;
        EXPECT_TRUE(again.notice().isEmpty());
        EXPECT_EQ(again.answerCount(kAnna), 1);
    }
}

TEST(ReviewStore, DamageFoundPastTheHeaderSetsTheFileAsideAtTheNextReadOrWrite)
{
    for (const bool writing : {true, false}) {
        SCOPED_TRACE(writing ? "writing" : "reading");
        testing_support::Sandbox box;
        {
            Store store;
            QList<JudgedQuestion> test;
            for (int i = 0; i < 300; ++i)
                test << judged(QStringLiteral("question %1").arg(i), QStringLiteral("answer %1").arg(i), 0, true);
            store.record(kAnna, test);
        }
        // Every page past the first one overwritten: the file opens, its
        // tables cannot be read.
        QFile f(plat::hostPath(review::kStorePath));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 8192);
        f.seek(4096);
        f.write(QByteArray(int(f.size() - 4096), '\x01'));
        f.close();
        Store store;
        if (writing) {
            store.record(kAnna, {judged("b", "2", 0, true)});
            EXPECT_EQ(store.answerCount(kAnna), 1);
        } else {
            EXPECT_EQ(store.summary(kAnna, kDay0).tracked, 0);
        }
        EXPECT_TRUE(store.notice().contains(QStringLiteral("endommagée")));
        EXPECT_TRUE(box.exists(review::kStorePath + QStringLiteral(".endommagee-20261208-103015")));
    }
}

TEST(ReviewStore, AFailedWriteKeepsNothingOfTheTestAndSaysWhyInFrench)
{
    const struct {
        const char *system;
        const char *french;
    } cases[] = {
        {"No space left on device", "Il n'y a plus de place sur le disque."},
        {"Read-only file system", "Le disque est en lecture seule."},
        {"Permission denied", "Vous n'avez pas l'autorisation"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.system);
        testing_support::Sandbox box;
        Store store;
        store.record(kAnna, {judged("a", "1", 0, true)});
        const review::CardState before = store.card(kAnna, "a", "1")->state;
        plat::setWriteFailureHook([&](const QString &) { return QString::fromLatin1(c.system); });
        try {
            store.record(kAnna, {judged("a", "1", 3, true), judged("b", "2", 3, false)});
            ADD_FAILURE() << "no failure";
        } catch (const plat::Failure &f) {
            EXPECT_TRUE(f.message().startsWith(QStringLiteral("La révision espacée n'a pas pu écrire")));
            EXPECT_TRUE(f.message().contains(QString::fromUtf8(c.french))) << f.message().toStdString();
        }
        plat::setWriteFailureHook({});
        EXPECT_EQ(store.answerCount(kAnna), 1);
        EXPECT_EQ(store.card(kAnna, "a", "1")->state.due, before.due);
        EXPECT_FALSE(store.card(kAnna, "b", "2"));
    }
}

TEST(ReviewStore, AFolderThatCannotHoldTheDatabaseIsAFrenchFailure)
{
    testing_support::Sandbox box;
    // A folder where the file should be: nothing to open, nothing to set aside.
    QDir().mkpath(plat::hostPath(review::kStorePath));
    try {
        Store store;
        ADD_FAILURE() << "opened";
    } catch (const plat::Failure &f) {
        EXPECT_TRUE(f.message().startsWith(QStringLiteral("La révision espacée n'a pas pu ouvrir sa base")))
            << f.message().toStdString();
    }
    EXPECT_TRUE(QFileInfo(plat::hostPath(review::kStorePath)).isDir());
}

// The process killed inside the transaction, just before its commit: at the
// next start the database holds none of that test, and nothing is damaged.
// The child is forked, so that it writes to this test's own database.
TEST(ReviewStoreDeathTest, AKillDuringATestsTransactionLeavesNoneOfItsAnswers)
{
    testing_support::Sandbox box;
    {
        Store store;
        store.record(kAnna, {judged("a", "1", 0, true)});
    }
    EXPECT_EXIT(
        {
            plat::setWriteFailureHook([](const QString &) -> QString { _exit(3); });
            Store store;
            QList<JudgedQuestion> test;
            for (int i = 0; i < 500; ++i)
                test << judged(QStringLiteral("q%1").arg(i), "x", 1, true);
            store.record(kAnna, test);
        },
        testing::ExitedWithCode(3), "");
    Store store;
    EXPECT_TRUE(store.notice().isEmpty());
    EXPECT_EQ(store.answerCount(kAnna), 1);
    EXPECT_EQ(store.summary(kAnna, kDay0).tracked, 1);
}

} // namespace
