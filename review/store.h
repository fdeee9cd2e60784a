#pragma once
#include "review/fsrs.h"
#include "statistics/userfile.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The answers every recorded test gave, and the cards they schedule, in one
// SQLite database that other tools can read too (its schema is in the README):
//   answers: every judged answer, in the order asked (rowid order), never
//            rewritten;
//   cards:   each user's directed pair as its latest answer left it, which a
//            replay of `answers` in order always gives again.
namespace review {

inline const QString kStorePath = QStringLiteral("C:\\windows\\tavilo-revision.sqlite");
// A review asks at most this many pairs.
constexpr int kReviewSize = 100;
// The bar chart of the statistics window covers this many days after today.
constexpr int kForecastDays = 30;

// One user's directed pair: the question and the expected entry as the sheet
// holds them, the sheet it last came from, and its schedule.
struct Card {
    QString question;
    QString answer;
    QString sheet;
    CardState state;
};

// What the statistics window shows of one user's cards on a day.
struct Summary {
    qint64 tracked = 0;
    qint64 due = 0;          // due on or before the day
    double retention = 0;    // mean chance of recall on the day, 0 to 1; 0 without cards
    QList<int> forecast;     // cards falling due on each of the kForecastDays next days
    QDate nextDue;           // the first day after the day with a card due; null if none
};

// The local day and time of an answer as the tables hold them.
QString dayText(const QDate &day);
QString timeText(const QDateTime &moment);

// An open connection to the store. Opening a file that is not SQLite or is
// damaged sets it aside under another name (kept, never deleted), starts a
// new database and leaves a notice to tell the user once. Every failure the
// user must hear of is a plat::Failure with a French message.
class Store {
public:
    explicit Store(const QString &path = kStorePath);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    // What happened to a damaged file, in French; empty when nothing did.
    const QString &notice() const { return m_notice; }

    // Keeps every judged question of one test for a user (their statistics
    // file path as the user list holds it) and updates the cards they ask:
    // all of them or, on any failure, none.
    void record(const QString &user, const QList<statistics::JudgedQuestion> &questions);

    Summary summary(const QString &user, const QDate &today);
    // The cards due on or before the day, the least likely to be recalled
    // first, at most `limit`.
    QList<Card> dueCards(const QString &user, const QDate &today, int limit = kReviewSize);
    std::optional<Card> card(const QString &user, const QString &question, const QString &answer);

    // Whether SQLite computes the chances of recall itself (its math
    // functions are built in) rather than handing every row over; tests
    // hold both ways to the same results.
    bool computesInSql() const { return m_mathInSql; }
    void computeInProgram() { m_mathInSql = false; }

    qint64 answerCount(const QString &user);
    // Removes a user's answers and cards; the number of answers removed.
    qint64 removeUser(const QString &user);
    // Makes the cards again from the answers, in the order they were given.
    void rebuildCards();

private:
    void open();
    void setAside();
    void createSchema();
    // Runs `work` in one write transaction; a damaged database is set aside
    // and the work done again in a new one.
    void write(const std::function<void()> &work);
    // Runs a read; a damaged database is set aside and a new one started,
    // which holds nothing: `work` then gives its empty result.
    template <typename Work>
    auto read(Work work) -> decltype(work());
    Summary summaryInSql(const QString &user, const QDate &today);
    QList<Card> dueCardsInSql(const QString &user, const QDate &today, int limit);
    // The cards of these rows, in this order; a row gone meanwhile is left out.
    QList<Card> cardsAt(const QList<qint64> &rows, const QString &what);
    [[noreturn]] void fail(const QString &what, const class QSqlError &error) const;

    bool m_mathInSql = false; // SQLite's pow(): the curve is computed where the rows are
    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    QString m_notice;
};

} // namespace review
