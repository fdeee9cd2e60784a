#include "testing/answerrules.h"
#include "testing/testcycle.h"
#include "tests/support.h"

#include <QElapsedTimer>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(AnswerRules, JudgingWithAndWithoutCaseAndPunctuation)
{
    const struct {
        const char *typed, *expected;
        bool respectCase, respectPunctuation, right;
    } cases[] = {
        {"maison", "MAISON", false, true, true},
        {"maison", "MAISON", true, true, false},
        {"école", "ÉCOLE", false, true, false}, // accented letters keep their case
        {"Qu'est-ce ?", "Quest-ce", true, false, true},
        {"Qu'est-ce ?", "Quest-ce", true, true, false},
        {"Quest ce", "Quest-ce", false, false, false}, // the hyphen counts
        {"maison ", "maison", true, true, false},      // a trailing blank counts
        {"à bientôt !", "à bientôt", true, false, true}, // the blank goes with the mark
        {"« oui »", "oui", true, false, false},          // only the listed marks go
        {"<< oui >>", "oui", true, false, true},
        {"a / b", "a b", true, false, true}, // " /" goes before "/ "
        {"l'été, (déjà)...", "lété déjà", true, false, true},
        {"", "?!...", true, false, true}, // nothing left of the expected answer
        {"", "?!...", true, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " / " + c.expected);
        EXPECT_EQ(quiz::answersMatch(QString::fromUtf8(c.typed), QString::fromUtf8(c.expected), c.respectCase,
                                     c.respectPunctuation),
                  c.right);
    }
    EXPECT_EQ(quiz::punctuationList().size(), 24);
}

TEST(AnswerRules, RemovalRepeatsUntilNoEntryIsLeft)
{
    const struct {
        const char *text, *entry, *left;
    } cases[] = {
        {"....", "...", "."},
        {"......", "...", ""},
        {"<<< < ", "<< ", ""}, // the halves left by a removal meet and go too
        {"<<<< ", "<< ", "<<"},
        {"x<<y>>", "<<", "xy>>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(quiz::removeEntry(QString::fromUtf8(c.text), QString::fromUtf8(c.entry)),
                  QString::fromUtf8(c.left))
            << c.text;
}

TEST(AnswerRules, ExpectedAnswerLeavesTheNoteOut)
{
    const struct {
        const char *entry, *answer;
    } cases[] = {
        {"to run [irregular]", "to run"},
        {"to run[irregular]", "to run"}, // no blank: the term stays whole
        {"to run  [x]", "to run"},
        {"to run", "to run"},
        {"[note]", ""},
        {"a [b] [c]", "a"},
        {"x]", "x]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(quiz::expectedAnswer(QString::fromUtf8(c.entry)), QString::fromUtf8(c.answer)) << c.entry;
}

TEST(TestCycle, ListsInBothDirections)
{
    // Title, two pairs, an unpaired last line.
    const plat::LineList sheet({"T", "cat", "chat", "to run [irr.]", "courir", "orphan"});
    quiz::QuestionLists lists;
    lists.build(sheet, true);
    EXPECT_EQ(lists.questions(), QStringList({"chat", "courir"}));
    EXPECT_EQ(lists.answers(), QStringList({"cat", "to run [irr.]"}));
    lists.build(sheet, false);
    EXPECT_EQ(lists.questions(), QStringList({"cat", "to run [irr.]"}));
    EXPECT_EQ(lists.answers(), QStringList({"chat", "courir"}));
    for (const char *lines : {"", "T", "T\nx"}) {
        lists.build(plat::LineList(plat::LineList::parse(lines)), true);
        EXPECT_TRUE(lists.isEmpty()) << lines;
    }
}

TEST(TestCycle, ErrorReportHeader)
{
    const QString d = QStringLiteral("08/12/2026");
    const struct {
        const char *title, *header;
    } cases[] = {
        {"Anglais //par Luc\\\\v2", "Erreurs sur : Anglais //par Luc - Test du 08/12/2026\\\\"},
        {"Anglais", "Erreurs sur : Anglais //Test du 08/12/2026\\\\"},
        {"Anglais //par Luc", "Erreurs sur : Anglais // - Test du 08/12/2026\\\\"},
        {"", "Erreurs sur :  //Test du 08/12/2026\\\\"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(quiz::errorReportHeader(QString::fromUtf8(c.title), d), QString::fromUtf8(c.header)) << c.title;
}

TEST(TestCycle, PercentagesAndClockInTheLocaleForm)
{
    testing_support::Sandbox box; // a comma as decimal separator
    const struct {
        int right, wrong;
        const char *rightText, *wrongText;
    } cases[] = {
        {2, 1, "Poucentage juste : 66,666 %", "Poucentage faux : 33,333 %"},
        {1, 0, "Poucentage juste : 100 %", "Poucentage faux : 0 %"},
        {1, 6, "Poucentage juste : 14,285 %", "Poucentage faux : 85,714 %"},
    };
    for (const auto &c : cases) {
        const auto captions = quiz::percentCaptions(c.right, c.wrong);
        ASSERT_TRUE(captions);
        EXPECT_EQ(captions->right, QString::fromUtf8(c.rightText));
        EXPECT_EQ(captions->wrong, QString::fromUtf8(c.wrongText));
    }
    EXPECT_FALSE(quiz::percentCaptions(0, 0));

    QStringList clock{QStringLiteral("0")};
    for (int i = 0; i < 3; ++i)
        clock << quiz::halfSecondLater(clock.last(), QLatin1Char(','));
    EXPECT_EQ(clock, QStringList({"0", "0,5", "1", "1,5"}));
}

TEST(TestCycle, EveryPairOfALargeSheetIsAskedOnceInLinearTime)
{
    constexpr int kPairs = 100000;
    QStringList lines{QStringLiteral("Grande fiche")};
    for (int k = 1; k <= kPairs; ++k)
        lines << QStringLiteral("f%1").arg(k) << QStringLiteral("q%1").arg(k);
    const plat::LineList sheet(lines);
    testing_support::Sandbox box;

    QElapsedTimer clock;
    clock.start();
    quiz::QuestionLists lists;
    lists.build(sheet, true);
    QSet<QString> asked;
    while (!lists.isEmpty()) {
        const quiz::Question q = lists.take(plat::system().random(int(lists.count())));
        ASSERT_EQ(q.shown.mid(1), q.entry.mid(1)); // still its own pair
        asked.insert(q.shown);
    }
    // Linear work takes milliseconds; removing from the middle of the lists
    // at each draw would take seconds.
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(asked.size(), kPairs);
}

} // namespace
