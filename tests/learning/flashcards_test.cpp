#include "learning/flashcards.h"
#include "platform/system.h"

#include <QElapsedTimer>
#include <QSet>
#include <limits>
#include <gtest/gtest.h>

using learning::RemainingPairs;
using learning::SliderState;

TEST(RemainingPairs, FirstTermFollowsTheDirectionAndUnpairedLinesAreLeftOut)
{
    const QStringList sheet{"Titre", "dog", "chien", "cat", "chat"};
    struct Case {
        const char *name;
        QStringList lines;
        QString direction;
        QStringList first, second;
    } cases[] = {
        {"French first", sheet, "Terme français", {"chien", "chat"}, {"dog", "cat"}},
        {"foreign first", sheet, "Terme étranger", {"dog", "cat"}, {"chien", "chat"}},
        {"typed text counts as foreign first", sheet, "terme français", {"dog", "cat"}, {"chien", "chat"}},
        {"unpaired last line", {"Titre", "dog", "chien", "cat"}, "Terme français", {"chien"}, {"dog"}},
        {"empty terms are pairs too", {"", "", "", "x", ""}, "Terme étranger", {"", "x"}, {"", ""}},
        {"title only", {"Titre"}, "Terme français", {}, {}},
        {"empty file", {}, "Terme français", {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RemainingPairs pairs;
        pairs.fill(plat::LineList({"Autre", "a", "b"}), c.direction);
        pairs.fill(plat::LineList(c.lines), c.direction); // a second choice replaces, never appends
        QStringList first, second;
        for (qsizetype i = 0; i < pairs.count(); ++i) {
            first << pairs.at(i).first;
            second << pairs.at(i).second;
        }
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(second, c.second);
    }
}

// Every pair of a large sheet comes out exactly once, with its own partner,
// and drawing them all costs the same per pair whatever the sheet's size.
TEST(RemainingPairs, DrawsEveryPairOnceInConstantTimePerDraw)
{
    constexpr int n = 200000;
    QStringList lines{"Titre"};
    for (int k = 0; k < n; ++k)
        lines << QStringLiteral("f%1").arg(k) << QStringLiteral("F%1").arg(k);
    RemainingPairs pairs;

    // Drawing from a big sheet costs what it costs on a small one: the
    // quickest of five runs of 2000 draws stays far below what removing from
    // the middle of 200 000 entries costs (about 0.2 s), even on a busy machine.
    plat::FixedSystem system;
    qint64 quickest = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 5; ++run) {
        pairs.fill(plat::LineList(lines), learning::kForeignFirst);
        QElapsedTimer clock;
        clock.start();
        for (int d = 0; d < 2000; ++d)
            pairs.take(system.random(int(pairs.count())));
        quickest = std::min(quickest, clock.nsecsElapsed());
    }
    EXPECT_LT(quickest, 10'000'000) << quickest;

    pairs.fill(plat::LineList(lines), learning::kForeignFirst);
    std::vector<learning::Card> drawn;
    while (!pairs.isEmpty())
        drawn.push_back(pairs.take(system.random(int(pairs.count()))));
    QSet<QString> seen;
    for (const learning::Card &card : drawn) {
        ASSERT_EQ(QStringLiteral("F") + card.first.mid(1), card.second);
        seen.insert(card.first);
    }
    EXPECT_EQ(seen.size(), n);
}

TEST(FlashCardRules, HeadingsCardWidthAndCoupledDelays)
{
    // A typed direction heads the card as typed; the other heading is then
    // the foreign one.
    EXPECT_EQ(learning::firstHeading("anglais"), "anglais :");
    EXPECT_EQ(learning::secondHeading("anglais :"), "Terme étranger :");
    EXPECT_EQ(learning::secondHeading("Terme étranger :"), "Terme français :");

    const std::pair<int, int> widths[] = {{0, 257}, {248, 257}, {249, 264}, {300, 315}, {60000, 60015}};
    for (const auto &[widest, card] : widths)
        EXPECT_EQ(learning::cardWidth(widest), card) << widest;

    const struct {
        const char *name;
        SliderState interval;
        int waiting;
        SliderState after;
    } coupling[] = {
        {"waiting raises the interval", {1, 20, 10}, 15, {15, 35, 15}},
        {"waiting lowered pulls a long interval down", {15, 35, 35}, 1, {1, 21, 21}},
        {"start-up range 1 to 20", {1, 20, 20}, 10, {10, 30, 20}},
    };
    for (const auto &c : coupling) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(learning::coupledInterval(c.interval, c.waiting), c.after);
    }
    // A track bar ignores a minimum above its maximum and a maximum below
    // its minimum.
    EXPECT_EQ(learning::withRange({1, 20, 5}, 30, 40), (SliderState{1, 40, 5}));
    EXPECT_EQ(learning::withRange({10, 20, 15}, 12, 5), (SliderState{12, 20, 15}));
}
