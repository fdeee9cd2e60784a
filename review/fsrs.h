#pragma once
#include <QDate>
#include <optional>

// FSRS-6 with its published default parameters, scheduled in whole days:
// desired retention 0.9, no learning steps, no fuzz. Every rounding of the
// reference implementation is kept, so that a card's intervals equal its
// intervals to the day.
namespace review {

constexpr double kDesiredRetention = 0.9;
constexpr int kMaximumInterval = 36500;

// Difficulty in [1, 10]; stability in days, the time after which the chance
// of recall has fallen to 90 %.
struct MemoryState {
    double difficulty = 0;
    double stability = 0;
};

// The state an answer leaves and the number of days until the pair is due.
struct Step {
    MemoryState state;
    int interval = 0;
};

// The forgetting curve R(t, S) = (1 + factor · t / S)^decay.
double curveFactor();
double curveDecay();

// The chance of recall after `elapsedDays` days of a memory of the given
// stability, to 8 decimals.
double retrievability(double elapsedDays, double stability);

// The step of an answer: right (grade "good") or wrong (grade "again"),
// given `elapsedDays` whole calendar days after the previous answer, or the
// first answer when there was none.
Step answerStep(const std::optional<MemoryState> &previous, int elapsedDays, bool right);

// One user's directed pair as its answers left it.
struct CardState {
    MemoryState memory;
    QDate lastReview;
    QDate due;
    int reps = 0;
    int lapses = 0; // wrong answers after the first
};

// The card after one more answer on `day` (a new card when there is none).
// An answer dated before the previous one counts as given the same day.
CardState answered(const std::optional<CardState> &card, const QDate &day, bool right);

// The chance of recall of a card on `day`.
double recallOn(const CardState &card, const QDate &day);

} // namespace review
