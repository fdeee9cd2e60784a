#include "statistics/userfile.h"

#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/system.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <cmath>

namespace statistics {
namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// A whole number of at most 18 digits with optional leading blanks and a
// sign, nothing after it.
std::optional<qint64> parseWhole(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    const qsizetype firstDigit = i;
    while (i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
        ++i;
    if (i == firstDigit || i != text.size() || i - firstDigit > 18)
        return std::nullopt;
    return QStringView(text).mid(start).toLongLong();
}

QString singleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The number following the one on a record's "Test " line.
int numberAfter(const QString &testLine)
{
    const std::optional<qint64> previous = parseWhole(testLine.mid(4, 10));
    if (!previous || *previous < INT_MIN || *previous >= INT_MAX)
        return 1;
    return int(*previous + 1);
}

} // namespace

QString userEntry(const UserFileText &userFile)
{
    return userFile.memoLine(2) + QStringLiteral(", ") + userFile.memoLine(1);
}

UserFileText newUserFile(const QString &name, const QString &company)
{
    return UserFileText({kFileHeading, singleLine(name), singleLine(company), QString(), QString()});
}

int nextRecordNumber(const UserFileText &fileWithSeparator)
{
    return numberAfter(fileWithSeparator.memoLine(fileWithSeparator.count() - kRecordLines));
}

void appendTestRecord(UserFileText &userFile, const TestResult &result, const QString &date,
                      const QString &time)
{
    const std::optional<qint64> right = parseWhole(result.rightCount);
    const std::optional<qint64> wrong = parseWhole(result.wrongCount);
    if (!right || !wrong || *right < 0 || *wrong < 0 || *right + *wrong <= 0)
        throw plat::Failure(QStringLiteral("Aucune question n'a été posée."));
    const qint64 tested = *right + *wrong;

    while (userFile.count() < kHeaderLines)
        userFile.append(QString());
    // The previous record's "Test " line, counted from the separator about
    // to be written.
    const int number = numberAfter(userFile.memoLine(userFile.count() + 1 - kRecordLines));
    userFile.append({QStringLiteral("-----"), QStringLiteral("Test ") + QString::number(number),
                     QStringLiteral("Date :"), date, QStringLiteral("Heure :"), time, QStringLiteral("Fiche :"),
                     result.titleLine, QStringLiteral("Termes :"), QString::number(tested),
                     QStringLiteral("Pourcentage juste :"), plat::percentageText(double(*right), double(tested)),
                     QStringLiteral("Temps (sec) :"), result.seconds, QString(), QString()});
}

std::optional<double> parseLocaleNumber(const QString &text, QChar decimalSeparator)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    QString plain;
    plain.reserve(end - begin);
    qsizetype i = begin;
    auto digits = [&] {
        qsizetype n = 0;
        while (i < end && text.at(i).isDigit() && text.at(i).unicode() < 128) {
            plain += text.at(i++);
            ++n;
        }
        return n;
    };
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        plain += text.at(i++);
    qsizetype mantissa = digits();
    if (i < end && text.at(i) == decimalSeparator) {
        ++i;
        plain += QLatin1Char('.');
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < end && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        plain += text.at(i++);
        if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            plain += text.at(i++);
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QList<double> graphPercentages(const UserFileText &userFile, QChar decimalSeparator)
{
    QList<double> values;
    for (qsizetype j = 0;; ++j) {
        const std::optional<double> v =
            parseLocaleNumber(userFile.memoLine(kRecordLines * (j + 1)), decimalSeparator);
        if (!v)
            break;
        values.append(*v);
    }
    return values;
}

std::optional<double> runningAverage(const QList<double> &values)
{
    if (values.isEmpty())
        return std::nullopt;
    // Taken step by step as the graph draws, so that the figure shown is the
    // same to its last digit.
    double average = 0;
    double count = 0;
    for (double v : values) {
        count += 1;
        average = v / count + (count - 1) * average / count;
    }
    return average;
}

QString averageHint(double average, QChar decimalSeparator)
{
    return QStringLiteral("Moyenne de réussite : ") + plat::floatText(average, decimalSeparator);
}

QString unavailableEntry(const QString &path)
{
    return QStringLiteral("Fiche utilisateur non disponible : ") + path;
}

UserListScan scanUserList(plat::LineList &userList)
{
    UserListScan scan;
    QStringList kept;
    kept.reserve(userList.count());
    for (const QString &path : std::as_const(userList).lines()) {
        UserFileText userFile;
        try {
            userFile.loadFromFile(path);
        } catch (const plat::Failure &) {
            const QFileInfo there(plat::hostPath(path));
            if (path.isEmpty() || (there.exists() && !there.isFile()))
                continue;
            kept.append(path);
            scan.entries.append(unavailableEntry(path));
            scan.unavailable.append(path);
            continue;
        }
        kept.append(path);
        scan.entries.append(userEntry(userFile));
    }
    // The list is replaced only when a line went, so that an unchanged list
    // costs no copy.
    if (kept.size() != userList.count())
        userList.setLines(std::move(kept));
    return scan;
}

} // namespace statistics
