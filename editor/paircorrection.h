#pragma once
#include "platform/packedlines.h"

#include <QString>

// Where a pair stands in a sheet, for the commands that put a pair back or
// change it in place: the undoing of a deletion and the replacement of a
// pair picked in the columns. Qt Core only.
namespace editor {

// A pair as it stood: its number in the sheet (from 1) and its two terms.
struct PlacedPair {
    qsizetype pair = 0;
    QString foreign;
    QString french;
};

// The pair's number in the lines now: its own number while that pair still
// holds its two terms, otherwise the first whole pair holding them; 0 when
// the sheet no longer holds them.
qsizetype locatePair(const plat::PackedLines &lines, const PlacedPair &placed);

// Puts a pair back where it stood, before the pairs that followed it; last
// when the sheet now has fewer pairs than that, and always before a last
// line without its partner. Returns the number it takes.
qsizetype restorePair(plat::PackedLines &lines, const PlacedPair &placed);

// Writes new terms into pair k, which keeps its place.
void replacePair(plat::PackedLines &lines, qsizetype pair, const QString &foreign, const QString &french);

} // namespace editor
