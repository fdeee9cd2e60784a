#pragma once
#include <QImage>
#include <QList>

namespace statistics {

constexpr int kGraphWidth = 505;
constexpr int kGraphHeight = 100;

// The success graph of a user: on black, two pixel columns per test, left to
// right, red over their whole height with the percentage of right answers
// (cut to a whole number) in green from the bottom up. Of more tests than it
// has room for, it shows the most recent.
QImage drawSuccessGraph(const QList<double> &percentages);

} // namespace statistics
