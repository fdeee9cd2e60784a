#include "editor/paircorrection.h"

#include "editor/termcolumns.h"
#include "sheets/sheet.h"

#include <algorithm>

namespace editor {

qsizetype locatePair(const plat::PackedLines &lines, const PlacedPair &placed)
{
    return findPair(lines, placed.foreign, placed.french, placed.pair);
}

qsizetype restorePair(plat::PackedLines &lines, const PlacedPair &placed)
{
    // A sheet emptied meanwhile gets its title line back first, so that the
    // pair lands on pair lines.
    if (lines.isEmpty())
        lines.append(QString());
    const qsizetype pair = std::clamp<qsizetype>(placed.pair, 1, sheets::pairCount(lines.count()) + 1);
    lines.insert(2 * pair - 1, {placed.foreign, placed.french});
    return pair;
}

void replacePair(plat::PackedLines &lines, qsizetype pair, const QString &foreign, const QString &french)
{
    if (pair < 1 || pair > sheets::pairCount(lines.count()))
        return;
    lines.replaceLine(2 * pair - 1, foreign);
    lines.replaceLine(2 * pair, french);
}

} // namespace editor
