#include "learning/flashcards.h"
#include "platform/system.h"

#include <QElapsedTimer>
#include <QSet>
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
    constexpr int n = 100000;
    QStringList lines{"Titre"};
    for (int k = 0; k < n; ++k)
        lines << QStringLiteral("f%1").arg(k) << QStringLiteral("F%1").arg(k);
    RemainingPairs pairs;
    pairs.fill(plat::LineList(lines), learning::kForeignFirst);

    plat::FixedSystem system;
    QSet<QString> seen;
    QElapsedTimer clock;
    clock.start();
    while (!pairs.isEmpty()) {
        const learning::Card card = pairs.take(system.random(int(pairs.count())));
        ASSERT_EQ(QStringLiteral("F") + card.first.mid(1), card.second);
        seen.insert(card.first);
    }
    EXPECT_LT(clock.elapsed(), 1000); // removing from the middle would take seconds
    EXPECT_EQ(seen.size(), n);
}

TEST(FlashCardRules, HeadingsCardWidthAndCoupledDelays)
{
    const struct {
        QString direction, first, second;
    } headings[] = {
        {"Terme français", "Terme français :", "Terme étranger :"},
        {"Terme étranger", "Terme étranger :", "Terme français :"},
        {"anglais", "anglais :", "Terme étranger :"},
        {"", " :", "Terme étranger :"},
    };
    for (const auto &h : headings) {
        EXPECT_EQ(learning::firstHeading(h.direction), h.first);
        EXPECT_EQ(learning::secondHeading(h.first), h.second);
    }

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
        {"interval inside the new range stays", {1, 20, 10}, 5, {5, 25, 10}},
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
