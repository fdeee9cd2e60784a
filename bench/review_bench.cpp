// The spaced review of a user with 100 000 cards and 1 000 000 answers,
// offscreen: the statistics window's review area filled in, a 100-card
// review built (store opened, due cards chosen, the test window loaded), and
// the answers of a 1 000-question test recorded in one transaction. Each is
// held to the time a user must not notice. Run from a Release build.
#include "bench/windowsetup.h"
#include "bench/ratioreporter.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"
#include "platform/system.h"
#include "review/store.h"
#include "statistics/statisticswindow.h"
#include "testing/testwindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kCards = 100000;
constexpr int kAnswersPerCard = 10;
const QDate kToday(2026, 12, 8);

struct Setting {
    QTemporaryDir dir;
    QString user;

    Setting()
    {
        openBenchWindowSet(dir.path());
        user = dir.path() + QStringLiteral("/marie.user");
        QFile f(user);
        if (f.open(QIODevice::WriteOnly))
            f.write("Fiche de Statistiques Utilisateur :\r\nMarie\r\nOrsiva\r\n\r\n\r\n");
        f.close();
        fill();
        For2->Memo3.setLines({user});
        For2->Memo3Change();
        For2->ListBox1->setItemIndex(0);
        For2->ListBox1Click();
    }
    ~Setting() { destroyWindowSet(); }

    // Written straight into the tables, each card scheduled by its own ten
    // answers over the last year and a half.
    void fill()
    {
        { review::Store create; }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(plat::hostPath(review::kStorePath));
        db.open();
        {
            QSqlQuery q(db);
            q.exec(QStringLiteral("BEGIN"));
            QSqlQuery answer(db), card(db);
            answer.prepare(QStringLiteral("INSERT INTO answers VALUES(?, ?, ?, ?, ?, ?)"));
            card.prepare(QStringLiteral("INSERT INTO cards VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            std::mt19937 random(11);
            const QString sheet = QStringLiteral("C:\\Orsiva\\Tavilo !\\grande.fic");
            for (int c = 0; c < kCards; ++c) {
                const QString question = QStringLiteral("question %1").arg(c);
                const QString expected = QStringLiteral("réponse %1").arg(c);
                std::optional<review::CardState> state;
                QDate day = kToday.addDays(-int(random() % 500) - 60);
                for (int a = 0; a < kAnswersPerCard; ++a) {
                    const bool right = random() % 4 != 0;
                    state = review::answered(state, day, right);
                    answer.addBindValue(user);
                    answer.addBindValue(question);
                    answer.addBindValue(expected);
                    answer.addBindValue(sheet);
                    answer.addBindValue(review::timeText(QDateTime(day, QTime(18, 0))));
                    answer.addBindValue(right ? 1 : 0);
                    answer.exec();
                    day = day.addDays(random() % 7);
                }
                for (const QVariant &v : {QVariant(user), QVariant(question), QVariant(expected), QVariant(sheet),
                                          QVariant(state->memory.difficulty), QVariant(state->memory.stability),
                                          QVariant(review::dayText(state->lastReview)),
                                          QVariant(review::dayText(state->due)), QVariant(state->reps),
                                          QVariant(state->lapses)})
                    card.addBindValue(v);
                card.exec();
            }
            q.exec(QStringLiteral("COMMIT"));
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    }
};

Setting *g_setting = nullptr;

void BM_ReviewArea(benchmark::State &state)
{
    for (auto _ : state)
        For2->showReview();
}
BENCHMARK(BM_ReviewArea)->Unit(benchmark::kMillisecond);

void BM_BuildReview(benchmark::State &state)
{
    for (auto _ : state) {
        review::Store store;
        const QList<review::Card> cards = store.dueCards(g_setting->user, kToday);
        Form4->prepareReview(TForm4::Review{g_setting->user, QStringLiteral("Marie"), cards});
        benchmark::DoNotOptimize(Form4->lists.count());
    }
    Form4->prepareReview(std::nullopt);
}
BENCHMARK(BM_BuildReview)->Unit(benchmark::kMillisecond);

void BM_RecordThousandAnswers(benchmark::State &state)
{
    QList<statistics::JudgedQuestion> test;
    for (int i = 0; i < 1000; ++i)
        test.append({QStringLiteral("question %1").arg(i * 97), QStringLiteral("réponse %1").arg(i * 97),
                     QStringLiteral("C:\\Orsiva\\Tavilo !\\grande.fic"), QDateTime(kToday, QTime(10, 0)), i % 5 != 0});
    for (auto _ : state) {
        review::Store store;
        store.record(g_setting->user, test);
    }
}
BENCHMARK(BM_RecordThousandAnswers)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenWindows();
    QApplication app(argc, argv);
    g_setting = new Setting;
    std::printf("A user with %d cards and %d answers; %s due today.\n", kCards, kCards * kAnswersPerCard,
                qPrintable(For2->LabelARevoir->text()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete g_setting;
    return 0;
}
