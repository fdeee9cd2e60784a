#pragma once
#include "platform/linelist.h"

#include <QString>
#include <QStringList>
#include <vector>

// The rules of the timed flash cards: which term of a pair comes first, the
// pairs still to show, the card's width and the coupling of the two delays.
namespace learning {

inline const QString kFrenchFirst = QStringLiteral("Terme français");
inline const QString kForeignFirst = QStringLiteral("Terme étranger");

// Any text but exactly "Terme français" (a typed one too) puts the foreign
// term first.
inline bool frenchFirst(const QString &direction)
{
    return direction == kFrenchFirst;
}

// The two card headings for the direction text.
QString firstHeading(const QString &direction);
QString secondHeading(const QString &firstHeading);

struct Card {
    QString first;  // shown at once
    QString second; // shown after the waiting time
};

// The pairs of a sheet that have not been shown yet, kept as pair numbers
// over the sheet's lines (shared, not copied). A draw takes one out in
// constant time (the last entry fills the gap), so a sheet of any size costs
// the same per pair; the order of the rest does not matter since every draw
// is uniform over what is left.
class RemainingPairs {
public:
    // The pairs of the sheet lines in file order, the first term chosen by
    // the direction text. An unpaired last line is left out.
    void fill(const plat::LineList &sheetLines, const QString &direction);
    void clear();
    // The pairs left, their first term now chosen by this direction text.
    void setDirection(const QString &direction) { m_frenchFirst = frenchFirst(direction); }

    bool frenchComesFirst() const { return m_frenchFirst; }
    qsizetype count() const { return qsizetype(m_pairs.size()); }
    bool isEmpty() const { return m_pairs.empty(); }
    // Entry i (0 <= i < count()).
    Card at(qsizetype i) const;
    // Entry i, taken out.
    Card take(qsizetype i);

private:
    plat::LineList m_lines;
    bool m_frenchFirst = true;
    std::vector<qsizetype> m_pairs; // pair numbers k, from 1
};

QString remainingText(qsizetype count); // "Termes restants : n"
QString waitingText(int seconds);       // "Temps d'attente : n sec"
QString intervalText(int seconds);      // "Intervalle de temps : n sec"

// The card is 257 pixels wide, and grows with a term wider than 248 pixels
// to leave it a margin.
constexpr int kCardWidth = 257;
constexpr int cardWidth(int widestTerm)
{
    return widestTerm < 249 ? kCardWidth : widestTerm + 15;
}

// A track bar's range and position.
struct SliderState {
    int minimum;
    int maximum;
    int position;
    bool operator==(const SliderState &) const = default;
};

// Sets the minimum, then the maximum, as a track bar does: a minimum above
// the maximum or a maximum below the minimum is ignored, and a position left
// outside moves to the nearest bound.
SliderState withRange(SliderState slider, int minimum, int maximum);

// The interval between pairs runs from the waiting time to 20 seconds more,
// so a pair is never replaced before its second term is shown.
SliderState coupledInterval(SliderState interval, int waiting);

} // namespace learning
