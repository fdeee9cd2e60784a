#include "statistics/userfile.h"
#include "platform/failure.h"
#include "tests/support.h"

#include <gtest/gtest.h>

using namespace statistics;
using testing_support::crlf;
using testing_support::Sandbox;

namespace {

TestResult result(const char *right, const char *wrong, const char *seconds = "95")
{
    return {QString::fromLatin1(right), QString::fromLatin1(wrong), QString::fromLatin1(seconds),
            QStringLiteral("Verbes //CM1\\\\")};
}

// The percentage lines of a file of records, one per value.
UserFileText fileOfRecords(const QStringList &percentages)
{
    UserFileText file = newUserFile(QStringLiteral("Marie"), QStringLiteral("Lac"));
    for (const QString &p : percentages) {
        for (qsizetype k = 0; k < kRecordLines; ++k)
            file.append(k == 11 ? p : QStringLiteral("x"));
    }
    return file;
}

} // namespace

TEST(UserFile, RecordNumberFollowsThePreviousTestLine)
{
    const struct {
        const char *testLine;
        int expected;
    } cases[] = {
        {"Test 41", 42},
        {"Test  7", 8},            // a leading blank is allowed
        {"Test 7 ", 1},            // nothing may follow the number
        {"Test sept", 1},
        {"Test 12345678901", 123456790}, // ten characters from the blank on
        {"Test9999999999", 1},     // past the largest whole number
        {"", 1},
    };
    for (const auto &c : cases) {
        UserFileText file = newUserFile(QStringLiteral("Marie"), QStringLiteral("Lac"));
        appendTestRecord(file, result("1", "0"), QStringLiteral("d"), QStringLiteral("t"));
        QStringList lines = file.lines();
        lines[6] = QString::fromUtf8(c.testLine);
        file = UserFileText(lines);
        file.append(QStringLiteral("-----"));
        EXPECT_EQ(nextRecordNumber(file), c.expected) << c.testLine;
    }
    // A file without records.
    UserFileText fresh = newUserFile(QStringLiteral("Marie"), QStringLiteral("Lac"));
    fresh.append(QStringLiteral("-----"));
    EXPECT_EQ(nextRecordNumber(fresh), 1);
}

TEST(UserFile, PercentageAndCountsOfARecord)
{
    Sandbox box; // the French locale
    const struct {
        const char *right, *wrong;
        const char *terms, *percentage; // nullptr: no record
    } cases[] = {
        {"7", "3", "10", "70"},
        {"1", "2", "3", "33,333"},
        {"2", "1", "3", "66,666"},
        {"1", "6", "7", "14,285"},
        {"3", "0", "3", "100"},
        {"0", "4", "4", "0"},
        {"1", "-1", nullptr, nullptr}, // a sheet without pairs: nothing was asked
        {"", "3", nullptr, nullptr},
        {"2", "x", nullptr, nullptr},
    };
    for (const auto &c : cases) {
        UserFileText file = newUserFile(QStringLiteral("Marie"), QStringLiteral("Lac"));
        const UserFileText before = file;
        if (!c.terms) {
            EXPECT_THROW(appendTestRecord(file, result(c.right, c.wrong), "d", "t"), plat::Failure)
                << c.right << "/" << c.wrong;
            EXPECT_EQ(file, before);
            continue;
        }
        appendTestRecord(file, result(c.right, c.wrong), "d", "t");
        ASSERT_EQ(file.count(), 21);
        EXPECT_EQ(file.memoLine(14), QString::fromLatin1(c.terms));
        EXPECT_EQ(file.memoLine(16), QString::fromLatin1(c.percentage)) << c.right << "/" << c.wrong;
    }
}

TEST(UserFile, ShortFileAndUnsafeNames)
{
    Sandbox box; // the French locale
    UserFileText file({kFileHeading});
    appendTestRecord(file, result("1", "1"), "d", "t");
    ASSERT_EQ(file.count(), 21);
    EXPECT_EQ(file.memoLine(5), "-----");
    EXPECT_EQ(file.memoLine(6), "Test 1");
    EXPECT_EQ(file.memoLine(16), "50");
    EXPECT_EQ(userEntry(file), ", ");
    // A pasted line break cannot push the company down a line.
    EXPECT_EQ(newUserFile("Marie\r\nLac", "Ors\niva").lines().mid(1, 2), QStringList({"Marie Lac", "Ors iva"}));
}

TEST(UserFile, LocaleNumbers)
{
    const struct {
        const char *text;
        QChar separator;
        std::optional<double> value;
    } cases[] = {
        {"66,666", u',', 66.666}, {" 70 ", u',', 70},     {"1E2", u',', 100},
        {"66.666", u',', {}},     {"66.666", u'.', 66.666}, {"", u',', {}},
        {"7 0", u',', {}},        {"NAN", u',', {}},        {"1E999", u',', {}},
        {",", u',', {}},          {"٣", u',', {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseLocaleNumber(QString::fromUtf8(c.text), c.separator), c.value) << c.text;
}

TEST(UserFile, GraphValuesAndAverage)
{
    const QChar comma(u',');
    const struct {
        QStringList percentages;
        qsizetype drawn;
        std::optional<double> average;
    } cases[] = {
        {{}, 0, std::nullopt},
        {{"100", "66,666"}, 2, 83.333},
        {{"100", "junk", "50"}, 1, 100},   // the graph ends at the junk
        {{"50", ""}, 1, 50},
    };
    for (const auto &c : cases) {
        const QList<double> values = graphPercentages(fileOfRecords(c.percentages), comma);
        EXPECT_EQ(values.size(), c.drawn) << c.percentages.join('|').toStdString();
        const std::optional<double> average = runningAverage(values);
        ASSERT_EQ(average.has_value(), c.average.has_value());
        if (average) {
            EXPECT_NEAR(*average, *c.average, 1e-9);
        }
    }
    EXPECT_EQ(averageHint(*runningAverage({100, 66.666}), comma), "Moyenne de réussite : 83,333");

    // 300 records: every one counts for the average.
    QStringList many;
    for (int k = 0; k < 300; ++k)
        many.append(k < 252 ? "100" : "0");
    const QList<double> values = graphPercentages(fileOfRecords(many), comma);
    EXPECT_EQ(values.size(), 300);
    EXPECT_NEAR(*runningAverage(values), 84, 1e-9);
}

TEST(UserFile, ScanKeepsAbsentFilesAndDropsWhatCanNeverBeOne)
{
    Sandbox box;
    box.put("C:\\users\\marie.user", crlf({"Fiche de Statistiques Utilisateur :", "Marie", "Lac", "", ""}));
    box.put("C:\\users\\court.user", crlf({"Fiche de Statistiques Utilisateur :"}));
    box.put("C:\\users\\dossier\\x", "");
    plat::LineList users({"C:\\users\\absent.user", "C:\\users\\marie.user", "C:\\users\\dossier",
                          "C:\\nulle part\\x.user", "", "C:\\users\\court.user"});
    const UserListScan scan = scanUserList(users);
    // A folder and an empty line are no user; an absent file may come back.
    EXPECT_EQ(users.lines(), QStringList({"C:\\users\\absent.user", "C:\\users\\marie.user",
                                          "C:\\nulle part\\x.user", "C:\\users\\court.user"}));
    EXPECT_EQ(scan.entries, QStringList({unavailableEntry("C:\\users\\absent.user"), "Lac, Marie",
                                         unavailableEntry("C:\\nulle part\\x.user"), ", "}));
    EXPECT_EQ(scan.unavailable, QStringList({"C:\\users\\absent.user", "C:\\nulle part\\x.user"}));
}
