#include "review/fsrs.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const QDate kFirstDay(2026, 3, 2);

struct Answer {
    int day;
    bool right;
};

struct Expected {
    double stability;
    double difficulty;
    int interval;
    int dueDay;
};

// The card after each answer of a sequence, days counted from kFirstDay.
std::vector<review::CardState> replay(const std::vector<Answer> &answers)
{
    std::vector<review::CardState> states;
    std::optional<review::CardState> card;
    for (const Answer &a : answers) {
        card = review::answered(card, kFirstDay.addDays(a.day), a.right);
        states.push_back(*card);
    }
    return states;
}

TEST(Fsrs, WorkedExamplesOfTheSchedulingNote)
{
    struct Case {
        std::vector<Answer> answers;
        std::vector<Expected> expected;
    };
    const Case cases[] = {
        {{{0, true}, {3, true}, {17, true}, {60, true}},
         {{2.3065, 2.1181, 3, 3}, {13.8269, 2.1112, 14, 17}, {56.9567, 2.1043, 57, 74}, {170.0976, 2.0975, 170, 230}}},
        {{{0, false}, {1, true}, {4, false}, {5, true}, {9, true}},
         {{0.2120, 6.4133, 1, 1},
          {1.8868, 6.4021, 3, 4},
          {0.5314, 8.8026, 1, 5},
          {1.5929, 8.7891, 3, 8},
          {4.7462, 8.7755, 5, 14}}},
        {{{0, false}, {0, false}, {0, true}}, {{0.2120, 6.4133, 1, 1}, {0.0686, 8.8063, 1, 1}, {0.0686, 8.7927, 3, 3}}},
        {{{0, true}, {1, true}, {400, false}, {402, true}},
         {{2.3065, 2.1181, 3, 3}, {7.3153, 2.1112, 7, 8}, {2.2542, 7.3922, 2, 402}, {5.7632, 7.3801, 6, 408}}},
    };
    for (const Case &c : cases) {
        const std::vector<review::CardState> states = replay(c.answers);
        for (size_t k = 0; k < states.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "answer " << k << " on day " << c.answers[k].day);
            EXPECT_NEAR(states[k].memory.stability, c.expected[k].stability, 0.00005);
            EXPECT_NEAR(states[k].memory.difficulty, c.expected[k].difficulty, 0.00005);
            EXPECT_EQ(states[k].lastReview.daysTo(states[k].due), c.expected[k].interval);
            EXPECT_EQ(kFirstDay.daysTo(states[k].due), c.expected[k].dueDay);
        }
    }
}

// 1 000 sequences of right and wrong answers (same-day answers, answers on
// the day due, long gaps, runs of wrong answers) as the reference
// implementation scheduled them; see fixtures/make_fsrs_fixture.mjs.
TEST(Fsrs, ThousandSequencesMatchTheReference)
{
    QFile file(QStringLiteral(TAVILO_REVIEW_FIXTURES "/fsrs_sequences.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int sequence = -1;
    int sequences = 0;
    int lines = 0;
    std::optional<review::CardState> card;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char(' '));
        ASSERT_EQ(f.size(), 9) << line.toStdString();
        if (f[0].toInt() != sequence) {
            sequence = f[0].toInt();
            ++sequences;
            card.reset();
        }
        SCOPED_TRACE(line.toStdString());
        card = review::answered(card, kFirstDay.addDays(f[1].toInt()), f[2] == QLatin1String("1"));
        EXPECT_DOUBLE_EQ(card->memory.stability, f[3].toDouble());
        EXPECT_DOUBLE_EQ(card->memory.difficulty, f[4].toDouble());
        EXPECT_EQ(card->lastReview.daysTo(card->due), f[5].toInt());
        EXPECT_EQ(kFirstDay.daysTo(card->due), f[6].toInt());
        EXPECT_EQ(card->reps, f[7].toInt());
        EXPECT_EQ(card->lapses, f[8].toInt());
        ++lines;
        if (HasFailure())
            return; // the first difference says enough
    }
    EXPECT_EQ(sequences, 1000);
    EXPECT_GT(lines, 5000);
}

TEST(Fsrs, RecallFallsToNinetyPercentAfterTheStability)
{
    const struct {
        double days;
        double stability;
        double recall;
    } cases[] = {{0, 3, 1.0}, {3, 3, 0.9}, {13.8269, 13.8269, 0.9}, {1, 0.5, 0.0}};
    for (const auto &c : cases) {
        if (c.recall > 0)
            EXPECT_NEAR(review::retrievability(c.days, c.stability), c.recall, 1e-7) << c.days << " " << c.stability;
        else
            EXPECT_LT(review::retrievability(c.days, c.stability), 0.9);
    }
    // Later is never likelier.
    EXPECT_GT(review::retrievability(10, 5), review::retrievability(11, 5));
}

TEST(Fsrs, AnAnswerDatedBeforeThePreviousOneCountsOnThatDay)
{
    const review::CardState first = review::answered(std::nullopt, kFirstDay.addDays(10), true);
    const review::CardState back = review::answered(first, kFirstDay, true);
    const review::CardState same = review::answered(first, kFirstDay.addDays(10), true);
    EXPECT_EQ(back.lastReview, same.lastReview);
    EXPECT_EQ(back.due, same.due);
    EXPECT_DOUBLE_EQ(back.memory.stability, same.memory.stability);
}

} // namespace
