#pragma once
#include "review/store.h"

#include <QString>

// The French texts of the spaced review, the same in every window.
namespace review {

// "1 paire", "2 paires".
QString pairs(qint64 count);

QString trackedText(qint64 tracked);   // "Paires suivies : N"
QString dueTodayText(qint64 due);      // "À revoir aujourd'hui : M"
// The mean chance of recall as a whole percentage; a dash without cards.
QString retentionText(const Summary &summary);
// The review button: how many pairs it asks now, or, with nothing due, the
// day of the next (nextDue: that day in the short date format). Short: the
// column it sits in must fit an 800-pixel screen beside the success graph.
QString reviewButtonText(const Summary &summary, const QString &nextDue);
// The title line of a review: "Révision de <nom> //du <date>\".
QString reviewTitle(const QString &userName, const QString &date);
// Said at the end of a review: the pairs reviewed, the right ones, and when
// the next review falls due (nextDue in the short date format; empty when no
// pair is left to schedule).
QString reviewEndMessage(qsizetype reviewed, qsizetype right, const Summary &after, const QString &nextDue);

} // namespace review
