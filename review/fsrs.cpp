#include "review/fsrs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace review {
namespace {

constexpr std::array<double, 21> w = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                      0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                      1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double kMinStability = 0.001;

enum Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// Half up, as the reference rounds (its halves only ever fall on positive
// values where it matters).
double round8(double x)
{
    return std::floor(x * 1e8 + 0.5) / 1e8;
}

double clamp(double x, double lo, double hi)
{
    return std::min(std::max(x, lo), hi);
}

double decay()
{
    return -w[20];
}

double factor()
{
    static const double f = round8(std::exp(std::log(0.9) / decay()) - 1);
    return f;
}

double intervalModifier()
{
    static const double m = round8((std::pow(kDesiredRetention, 1 / decay()) - 1) / factor());
    return m;
}

double initialStability(int g)
{
    return std::max(w[g - 1], 0.1);
}

double initialDifficulty(int g)
{
    return round8(w[4] - std::exp((g - 1) * w[5]) + 1);
}

double nextDifficulty(double d, int g)
{
    const double delta = -w[6] * (g - 3);
    const double damped = d + round8(delta * (10 - d) / 9);
    return clamp(round8(w[7] * initialDifficulty(Easy) + (1 - w[7]) * damped), 1, 10);
}

double recallStability(double d, double s, double r, int g)
{
    const double hardPenalty = g == Hard ? w[15] : 1;
    const double easyBonus = g == Easy ? w[16] : 1;
    return round8(clamp(s * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) * (std::exp((1 - r) * w[10]) - 1)
                                     * hardPenalty * easyBonus),
                        kMinStability, kMaximumInterval));
}

double forgetStability(double d, double s, double r)
{
    const double after = round8(clamp(w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1)
                                          * std::exp((1 - r) * w[14]),
                                      kMinStability, kMaximumInterval));
    // A lapse never leaves the memory stronger than it was.
    return clamp(round8(s), kMinStability, after);
}

MemoryState nextState(const std::optional<MemoryState> &previous, int g, double r)
{
    if (!previous)
        return {clamp(initialDifficulty(g), 1, 10), initialStability(g)};
    const double d = previous->difficulty;
    const double s = previous->stability;
    return {nextDifficulty(d, g), g == Again ? forgetStability(d, s, r) : recallStability(d, s, r, g)};
}

int interval(double stability)
{
    // Math.round of the reference: halves up.
    const double days = std::floor(stability * intervalModifier() + 0.5);
    return int(clamp(days, 1, kMaximumInterval));
}

} // namespace

double curveFactor()
{
    return factor();
}

double curveDecay()
{
    return decay();
}

double retrievability(double elapsedDays, double stability)
{
    return round8(std::pow(1 + factor() * elapsedDays / stability, decay()));
}

Step answerStep(const std::optional<MemoryState> &previous, int elapsedDays, bool right)
{
    const int t = std::max(elapsedDays, 0);
    const double r = previous ? retrievability(t, previous->stability) : 0;
    std::array<MemoryState, 4> states;
    std::array<int, 4> days;
    for (int g = Again; g <= Easy; ++g) {
        states[g - 1] = nextState(previous, g, r);
        days[g - 1] = interval(states[g - 1].stability);
    }
    // The grades keep their order: each one waits at least a day longer than
    // the one below it.
    days[0] = std::min(days[0], days[1]);
    days[1] = std::max(days[1], days[0] + 1);
    days[2] = std::max(days[2], days[1] + 1);
    days[3] = std::max(days[3], days[2] + 1);
    const int i = right ? Good - 1 : Again - 1;
    return {states[i], days[i]};
}

CardState answered(const std::optional<CardState> &card, const QDate &day, bool right)
{
    CardState next;
    std::optional<MemoryState> previous;
    int elapsed = 0;
    if (card) {
        next = *card;
        previous = card->memory;
        elapsed = int(std::max<qint64>(0, card->lastReview.daysTo(day)));
    }
    const Step step = answerStep(previous, elapsed, right);
    next.memory = step.state;
    // An answer dated before the previous one (a clock set back) is kept on
    // the previous answer's day, so that the days never run backwards.
    next.lastReview = card && card->lastReview > day ? card->lastReview : day;
    next.due = next.lastReview.addDays(step.interval);
    ++next.reps;
    if (card && !right)
        ++next.lapses;
    return next;
}

double recallOn(const CardState &card, const QDate &day)
{
    return retrievability(double(std::max<qint64>(0, card.lastReview.daysTo(day))), card.memory.stability);
}

} // namespace review
