#include "review/store.h"

#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/system.h"

#include <QAtomicInt>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace review {
namespace {

// SQLite's primary result codes that the store tells apart.
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, IoError = 10, Corrupt = 11, Full = 13, CantOpen = 14,
                  NotADatabase = 26 };

// Thrown inside the store when the file is damaged or not a database of its
// own; it never leaves the store.
struct Damaged {};

int codeOf(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

QString reasonOf(const QSqlError &error)
{
    switch (codeOf(error)) {
    case Full:
        return plat::frenchReason(ENOSPC);
    case ReadOnly:
        return QStringLiteral("Le disque ou le dossier est en lecture seule.");
    case CantOpen:
        return QStringLiteral("Le fichier ne peut être ni ouvert ni créé (dossier absent ou en lecture seule ?).");
    case Busy:
    case Locked:
        return QStringLiteral("Un autre programme se sert de la base en ce moment.");
    case IoError:
        return plat::frenchReason(EIO);
    default:
        return error.text();
    }
}

const QString kRevisionHeading = QStringLiteral("La révision espacée ");

QAtomicInt connections;

QVariant days(const QDate &day)
{
    return dayText(day);
}

// The chance of recall of a row of `cards` on :today, rounded as the
// scheduler rounds it.
const QString kRecallSql = QStringLiteral("round(pow(1 + :factor * max(0, :julian - julianday(last_review)) "
                                          "/ stability, :decay), 8)");

void bindCurve(QSqlQuery &q, const QDate &today)
{
    q.bindValue(QStringLiteral(":factor"), curveFactor());
    q.bindValue(QStringLiteral(":decay"), curveDecay());
    // SQLite's julian day of a date starts at its midnight.
    q.bindValue(QStringLiteral(":julian"), double(today.toJulianDay()) - 0.5);
}

} // namespace

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

QString timeText(const QDateTime &moment)
{
    return dayText(moment.date()) + QLatin1Char('T') + moment.time().toString(QStringLiteral("HH:mm:ss"));
}

Store::Store(const QString &path)
    : m_path(path), m_connection(QStringLiteral("tavilo-revision-%1").arg(connections.fetchAndAddRelaxed(1)))
{
    try {
        open();
    } catch (...) {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw;
    }
}

Store::~Store()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

void Store::fail(const QString &what, const QSqlError &error) const
{
    const int code = codeOf(error);
    if (code == Corrupt || code == NotADatabase)
        throw Damaged{};
    throw plat::Failure(kRevisionHeading + what + QStringLiteral(" :\n") + reasonOf(error), reasonOf(error));
}

namespace {

// Runs one statement; a failure goes through Store::fail by the caller.
bool run(QSqlQuery &q, const QString &sql)
{
    return q.exec(sql);
}

} // namespace

void Store::open()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!m_db.isValid())
        throw plat::Failure(kRevisionHeading
                            + QStringLiteral("n'est pas disponible : le module SQLite de Qt (paquet "
                                             "libqt6sql6-sqlite) n'est pas installé."));
    plat::makeParentFolders(m_path);
    m_db.setDatabaseName(plat::hostPath(m_path));
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    for (int attempt = 0;; ++attempt) {
        try {
            if (!m_db.open())
                fail(QStringLiteral("n'a pas pu ouvrir sa base"), m_db.lastError());
            createSchema();
            QSqlQuery math(m_db);
            m_mathInSql = math.exec(QStringLiteral("SELECT pow(2.0, 0.5)")) && math.next();
            return;
        } catch (const Damaged &) {
            // A second damaged file at once would be something else at work.
            if (attempt > 0)
                throw plat::Failure(kRevisionHeading + QStringLiteral("n'a pas pu commencer une nouvelle base."));
            setAside();
        }
    }
}

void Store::createSchema()
{
    QSqlQuery q(m_db);
    const QString what = QStringLiteral("n'a pas pu ouvrir sa base");
    // Looked at before anything is changed: a file that is not SQLite, or a
    // database of another program, is set aside as it is.
    if (!run(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        fail(what, q.lastError());
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    if (q.lastError().isValid())
        fail(what, q.lastError());
    const QHash<QString, QString> columns = {
        {QStringLiteral("answers"), QStringLiteral("user, question, answer, sheet, answered_at, right")},
        {QStringLiteral("cards"), QStringLiteral("user, question, answer, sheet, difficulty, stability, "
                                                 "last_review, due, reps, lapses")}};
    for (const QString &table : tables) {
        if (!columns.contains(table))
            throw Damaged{};
        if (!run(q, QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(columns.value(table), table))) {
            if (codeOf(q.lastError()) == 1)
                throw Damaged{};
            fail(what, q.lastError());
        }
    }
    for (const char *sql : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL",
                            "CREATE TABLE IF NOT EXISTS answers(user TEXT NOT NULL, question TEXT NOT NULL, "
                            "answer TEXT NOT NULL, sheet TEXT NOT NULL, answered_at TEXT NOT NULL, "
                            "right INTEGER NOT NULL)",
                            "CREATE TABLE IF NOT EXISTS cards(user TEXT NOT NULL, question TEXT NOT NULL, "
                            "answer TEXT NOT NULL, sheet TEXT NOT NULL, difficulty REAL NOT NULL, "
                            "stability REAL NOT NULL, last_review TEXT NOT NULL, due TEXT NOT NULL, "
                            "reps INTEGER NOT NULL, lapses INTEGER NOT NULL, PRIMARY KEY (user, question, answer))",
                            "CREATE INDEX IF NOT EXISTS answers_by_user ON answers(user)",
                            // All a user's chances of recall read from the index alone.
                            "CREATE INDEX IF NOT EXISTS cards_by_due ON cards(user, due, last_review, stability)"})
        if (!run(q, QString::fromLatin1(sql)))
            fail(what, q.lastError());
}

void Store::setAside()
{
    m_db.close();
    const QString stamp = plat::system().now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QStringLiteral(".endommagee-") + stamp;
    for (int n = 2; plat::fileExists(aside); ++n)
        aside = m_path + QStringLiteral(".endommagee-") + stamp + QStringLiteral("-%1").arg(n);
    if (!plat::renameFile(m_path, aside))
        throw plat::Failure(kRevisionHeading
                            + QStringLiteral("ne peut pas se servir de sa base « %1 », endommagée, ni la mettre "
                                             "de côté pour en commencer une nouvelle.")
                                  .arg(m_path));
    // The journal goes with the file it belongs to, so that both can still
    // be looked at together.
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (plat::fileExists(m_path + suffix))
            plat::renameFile(m_path + suffix, aside + suffix);
    m_notice = QStringLiteral("La base de la révision espacée « %1 » était endommagée ou n'était pas une base "
                              "SQLite. Elle est gardée sous le nom « %2 », et une nouvelle base est commencée : "
                              "les paires à revoir repartent de zéro.")
                   .arg(m_path, aside);
}

void Store::write(const std::function<void()> &work)
{
    for (int attempt = 0;; ++attempt) {
        try {
            QSqlQuery q(m_db);
            if (!run(q, QStringLiteral("BEGIN IMMEDIATE")))
                fail(QStringLiteral("n'a pas pu écrire dans sa base"), q.lastError());
            try {
                work();
                const QString injected = plat::injectedWriteFailure(m_path);
                if (!injected.isEmpty())
                    throw plat::Failure(kRevisionHeading + QStringLiteral("n'a pas pu écrire dans sa base :\n")
                                            + injected,
                                        injected);
                if (!run(q, QStringLiteral("COMMIT")))
                    fail(QStringLiteral("n'a pas pu écrire dans sa base"), q.lastError());
            } catch (...) {
                run(q, QStringLiteral("ROLLBACK"));
                throw;
            }
            return;
        } catch (const Damaged &) {
            if (attempt > 0)
                throw plat::Failure(kRevisionHeading + QStringLiteral("n'a pas pu commencer une nouvelle base."));
            setAside();
            if (!m_db.open())
                fail(QStringLiteral("n'a pas pu ouvrir sa base"), m_db.lastError());
            try {
                createSchema();
            } catch (const Damaged &) {
                throw plat::Failure(kRevisionHeading + QStringLiteral("n'a pas pu commencer une nouvelle base."));
            }
        }
    }
}

template <typename Work>
auto Store::read(Work work) -> decltype(work())
{
    try {
        return work();
    } catch (const Damaged &) {
        setAside();
        try {
            if (!m_db.open())
                fail(QStringLiteral("n'a pas pu ouvrir sa base"), m_db.lastError());
            createSchema();
        } catch (const Damaged &) {
            throw plat::Failure(kRevisionHeading + QStringLiteral("n'a pas pu commencer une nouvelle base."));
        }
        return work();
    }
}

void Store::record(const QString &user, const QList<statistics::JudgedQuestion> &questions)
{
    if (questions.isEmpty())
        return;
    write([&] {
        QSqlQuery insert(m_db), find(m_db), keep(m_db);
        const QString what = QStringLiteral("n'a pas pu enregistrer les réponses de ce test");
        if (!insert.prepare(QStringLiteral("INSERT INTO answers(user, question, answer, sheet, answered_at, right) "
                                           "VALUES(?, ?, ?, ?, ?, ?)")))
            fail(what, insert.lastError());
        if (!find.prepare(QStringLiteral("SELECT difficulty, stability, last_review, due, reps, lapses FROM cards "
                                         "WHERE user = ? AND question = ? AND answer = ?")))
            fail(what, find.lastError());
        if (!keep.prepare(QStringLiteral("INSERT INTO cards(user, question, answer, sheet, difficulty, stability, "
                                         "last_review, due, reps, lapses) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                         "ON CONFLICT(user, question, answer) DO UPDATE SET sheet = excluded.sheet, "
                                         "difficulty = excluded.difficulty, stability = excluded.stability, "
                                         "last_review = excluded.last_review, due = excluded.due, "
                                         "reps = excluded.reps, lapses = excluded.lapses")))
            fail(what, keep.lastError());
        for (const statistics::JudgedQuestion &j : questions) {
            insert.addBindValue(user);
            insert.addBindValue(j.question);
            insert.addBindValue(j.answer);
            insert.addBindValue(j.sheet);
            insert.addBindValue(timeText(j.at));
            insert.addBindValue(j.right ? 1 : 0);
            if (!insert.exec())
                fail(what, insert.lastError());
            find.addBindValue(user);
            find.addBindValue(j.question);
            find.addBindValue(j.answer);
            if (!find.exec())
                fail(what, find.lastError());
            std::optional<CardState> previous;
            if (find.next()) {
                CardState s;
                s.memory = {find.value(0).toDouble(), find.value(1).toDouble()};
                s.lastReview = QDate::fromString(find.value(2).toString(), Qt::ISODate);
                s.due = QDate::fromString(find.value(3).toString(), Qt::ISODate);
                s.reps = find.value(4).toInt();
                s.lapses = find.value(5).toInt();
                previous = s;
            }
            find.finish();
            const CardState next = answered(previous, j.at.date(), j.right);
            keep.addBindValue(user);
            keep.addBindValue(j.question);
            keep.addBindValue(j.answer);
            keep.addBindValue(j.sheet);
            keep.addBindValue(next.memory.difficulty);
            keep.addBindValue(next.memory.stability);
            keep.addBindValue(dayText(next.lastReview));
            keep.addBindValue(dayText(next.due));
            keep.addBindValue(next.reps);
            keep.addBindValue(next.lapses);
            if (!keep.exec())
                fail(what, keep.lastError());
        }
    });
}

Summary Store::summary(const QString &user, const QDate &today)
{
    return read([&] {
        Summary s;
        s.forecast.fill(0, kForecastDays);
        if (m_mathInSql)
            return summaryInSql(user, today);
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT julianday(:today) - julianday(last_review), julianday(due) - julianday(:today), "
                                 "stability FROM cards WHERE user = :user"));
        q.bindValue(QStringLiteral(":today"), days(today));
        q.bindValue(QStringLiteral(":user"), user);
        if (!q.exec())
            fail(QStringLiteral("n'a pas pu lire sa base"), q.lastError());
        double recall = 0;
        qint64 firstAhead = -1;
        while (q.next()) {
            ++s.tracked;
            const double since = std::max(0.0, q.value(0).toDouble());
            const qint64 ahead = qint64(q.value(1).toDouble());
            recall += retrievability(since, q.value(2).toDouble());
            if (ahead <= 0) {
                ++s.due;
            } else {
                if (ahead <= kForecastDays)
                    ++s.forecast[ahead - 1];
                if (firstAhead < 0 || ahead < firstAhead)
                    firstAhead = ahead;
            }
        }
        if (q.lastError().isValid())
            fail(QStringLiteral("n'a pas pu lire sa base"), q.lastError());
        if (s.tracked > 0)
            s.retention = recall / double(s.tracked);
        if (firstAhead > 0)
            s.nextDue = today.addDays(firstAhead);
        return s;
    });
}

QList<Card> Store::dueCards(const QString &user, const QDate &today, int limit)
{
    return read([&] {
        const QString what = QStringLiteral("n'a pas pu lire sa base");
        if (m_mathInSql)
            return dueCardsInSql(user, today, limit);
        struct Candidate {
            qint64 row;
            double recall;
            QString due;
        };
        std::vector<Candidate> candidates;
        {
            QSqlQuery q(m_db);
            q.setForwardOnly(true);
            q.prepare(QStringLiteral("SELECT rowid, julianday(:today) - julianday(last_review), stability, due "
                                     "FROM cards WHERE user = :user AND due <= :today"));
            q.bindValue(QStringLiteral(":today"), days(today));
            q.bindValue(QStringLiteral(":user"), user);
            if (!q.exec())
                fail(what, q.lastError());
            while (q.next())
                candidates.push_back({q.value(0).toLongLong(),
                                      retrievability(std::max(0.0, q.value(1).toDouble()), q.value(2).toDouble()),
                                      q.value(3).toString()});
        }
        // The least likely to be recalled first; among equals, the longest due,
        // then the first answered.
        const auto before = [](const Candidate &a, const Candidate &b) {
            if (a.recall != b.recall)
                return a.recall < b.recall;
            if (a.due != b.due)
                return a.due < b.due;
            return a.row < b.row;
        };
        const size_t n = std::min(candidates.size(), size_t(std::max(limit, 0)));
        std::partial_sort(candidates.begin(), candidates.begin() + qsizetype(n), candidates.end(), before);
        QList<qint64> rows;
        rows.reserve(qsizetype(n));
        for (size_t i = 0; i < n; ++i)
            rows.append(candidates[i].row);
        return cardsAt(rows, what);
    });
}

Summary Store::summaryInSql(const QString &user, const QDate &today)
{
    const QString what = QStringLiteral("n'a pas pu lire sa base");
    Summary s;
    s.forecast.fill(0, kForecastDays);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT count(*), total(due <= :today), total(%1) FROM cards WHERE user = :user")
                  .arg(kRecallSql));
    q.bindValue(QStringLiteral(":today"), days(today));
    q.bindValue(QStringLiteral(":user"), user);
    bindCurve(q, today);
    if (!q.exec() || !q.next())
        fail(what, q.lastError());
    s.tracked = q.value(0).toLongLong();
    s.due = qint64(q.value(1).toDouble());
    if (s.tracked > 0)
        s.retention = q.value(2).toDouble() / double(s.tracked);
    q.finish();
    q.prepare(QStringLiteral("SELECT due, count(*) FROM cards WHERE user = :user AND due > :today AND due <= :end "
                             "GROUP BY due"));
    q.bindValue(QStringLiteral(":user"), user);
    q.bindValue(QStringLiteral(":today"), days(today));
    q.bindValue(QStringLiteral(":end"), days(today.addDays(kForecastDays)));
    if (!q.exec())
        fail(what, q.lastError());
    while (q.next()) {
        const qint64 ahead = today.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
        if (ahead >= 1 && ahead <= kForecastDays)
            s.forecast[ahead - 1] += q.value(1).toInt();
    }
    q.finish();
    q.prepare(QStringLiteral("SELECT min(due) FROM cards WHERE user = :user AND due > :today"));
    q.bindValue(QStringLiteral(":user"), user);
    q.bindValue(QStringLiteral(":today"), days(today));
    if (!q.exec() || !q.next())
        fail(what, q.lastError());
    s.nextDue = QDate::fromString(q.value(0).toString(), Qt::ISODate);
    return s;
}

QList<Card> Store::dueCardsInSql(const QString &user, const QDate &today, int limit)
{
    const QString what = QStringLiteral("n'a pas pu lire sa base");
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    // The least likely to be recalled first; among equals, the longest due,
    // then the first answered. The chance of recall only falls as the days
    // since the last answer grow against the stability, so that ratio ranks
    // the cards without the curve itself. Ranked on the index, then read.
    q.prepare(QStringLiteral("SELECT rowid FROM cards WHERE user = :user AND due <= :today "
                             "ORDER BY max(0, :julian - julianday(last_review)) / stability DESC, due, rowid "
                             "LIMIT :limit"));
    q.bindValue(QStringLiteral(":user"), user);
    q.bindValue(QStringLiteral(":today"), days(today));
    q.bindValue(QStringLiteral(":limit"), std::max(limit, 0));
    q.bindValue(QStringLiteral(":julian"), double(today.toJulianDay()) - 0.5);
    if (!q.exec())
        fail(what, q.lastError());
    QList<qint64> rows;
    while (q.next())
        rows.append(q.value(0).toLongLong());
    if (q.lastError().isValid())
        fail(what, q.lastError());
    return cardsAt(rows, what);
}

QList<Card> Store::cardsAt(const QList<qint64> &rows, const QString &what)
{
    QSqlQuery read(m_db);
    read.prepare(QStringLiteral("SELECT question, answer, sheet, difficulty, stability, last_review, due, reps, lapses "
                                "FROM cards WHERE rowid = ?"));
    QList<Card> cards;
    cards.reserve(rows.size());
    for (const qint64 row : rows) {
        read.addBindValue(row);
        if (!read.exec())
            fail(what, read.lastError());
        if (!read.next())
            continue;
        Card c;
        c.question = read.value(0).toString();
        c.answer = read.value(1).toString();
        c.sheet = read.value(2).toString();
        c.state.memory = {read.value(3).toDouble(), read.value(4).toDouble()};
        c.state.lastReview = QDate::fromString(read.value(5).toString(), Qt::ISODate);
        c.state.due = QDate::fromString(read.value(6).toString(), Qt::ISODate);
        c.state.reps = read.value(7).toInt();
        c.state.lapses = read.value(8).toInt();
        cards.append(c);
        read.finish();
    }
    return cards;
}

std::optional<Card> Store::card(const QString &user, const QString &question, const QString &answer)
{
    return read([&]() -> std::optional<Card> {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("SELECT sheet, difficulty, stability, last_review, due, reps, lapses FROM cards "
                                 "WHERE user = ? AND question = ? AND answer = ?"));
        q.addBindValue(user);
        q.addBindValue(question);
        q.addBindValue(answer);
        if (!q.exec())
            fail(QStringLiteral("n'a pas pu lire sa base"), q.lastError());
        if (!q.next())
            return std::nullopt;
        Card c{question, answer, q.value(0).toString(), {}};
        c.state.memory = {q.value(1).toDouble(), q.value(2).toDouble()};
        c.state.lastReview = QDate::fromString(q.value(3).toString(), Qt::ISODate);
        c.state.due = QDate::fromString(q.value(4).toString(), Qt::ISODate);
        c.state.reps = q.value(5).toInt();
        c.state.lapses = q.value(6).toInt();
        return c;
    });
}

qint64 Store::answerCount(const QString &user)
{
    return read([&] {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("SELECT count(*) FROM answers WHERE user = ?"));
        q.addBindValue(user);
        if (!q.exec() || !q.next())
            fail(QStringLiteral("n'a pas pu lire sa base"), q.lastError());
        return q.value(0).toLongLong();
    });
}

qint64 Store::removeUser(const QString &user)
{
    qint64 removed = 0;
    write([&] {
        QSqlQuery q(m_db);
        const QString what = QStringLiteral("n'a pas pu effacer les réponses de l'utilisateur");
        q.prepare(QStringLiteral("DELETE FROM answers WHERE user = ?"));
        q.addBindValue(user);
        if (!q.exec())
            fail(what, q.lastError());
        removed = q.numRowsAffected();
        q.prepare(QStringLiteral("DELETE FROM cards WHERE user = ?"));
        q.addBindValue(user);
        if (!q.exec())
            fail(what, q.lastError());
    });
    return removed;
}

void Store::rebuildCards()
{
    write([&] {
        const QString what = QStringLiteral("n'a pas pu refaire ses cartes");
        QSqlQuery q(m_db);
        if (!run(q, QStringLiteral("DELETE FROM cards")))
            fail(what, q.lastError());
        struct Replayed {
            QString user, question, answer, sheet;
            CardState state;
        };
        QHash<QString, qsizetype> index;
        std::vector<Replayed> cards;
        q.setForwardOnly(true);
        if (!run(q, QStringLiteral("SELECT user, question, answer, sheet, answered_at, right FROM answers "
                                   "ORDER BY rowid")))
            fail(what, q.lastError());
        while (q.next()) {
            const QString user = q.value(0).toString();
            const QString question = q.value(1).toString();
            const QString answer = q.value(2).toString();
            // Lines of a sheet never hold a NUL character.
            const QString key = user + QChar(0) + question + QChar(0) + answer;
            const QDate day = QDate::fromString(q.value(4).toString().left(10), Qt::ISODate);
            const bool right = q.value(5).toInt() != 0;
            const auto found = index.constFind(key);
            if (found == index.cend()) {
                index.insert(key, qsizetype(cards.size()));
                cards.push_back({user, question, answer, q.value(3).toString(), answered(std::nullopt, day, right)});
            } else {
                Replayed &c = cards[size_t(*found)];
                c.sheet = q.value(3).toString();
                c.state = answered(c.state, day, right);
            }
        }
        if (q.lastError().isValid())
            fail(what, q.lastError());
        QSqlQuery keep(m_db);
        keep.prepare(QStringLiteral("INSERT INTO cards(user, question, answer, sheet, difficulty, stability, "
                                    "last_review, due, reps, lapses) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const Replayed &c : cards) {
            keep.addBindValue(c.user);
            keep.addBindValue(c.question);
            keep.addBindValue(c.answer);
            keep.addBindValue(c.sheet);
            keep.addBindValue(c.state.memory.difficulty);
            keep.addBindValue(c.state.memory.stability);
            keep.addBindValue(dayText(c.state.lastReview));
            keep.addBindValue(dayText(c.state.due));
            keep.addBindValue(c.state.reps);
            keep.addBindValue(c.state.lapses);
            if (!keep.exec())
                fail(what, keep.lastError());
        }
    });
}

} // namespace review
