#pragma once
#include "platform/packedlines.h"

#include <QString>
#include <optional>

// What the editor asks before a change the user may not mean: deleting a
// pair, adding a pair the sheet already holds, leaving a full text typed and
// not saved, saving a full text whose pairs no longer line up. Qt Core only.
namespace editor {

// How the term lines of a sheet fall into pairs, as far as a slip of typing
// shows. Blank lines after the last term shift nothing and are left out.
struct PairLayout {
    qsizetype blankTerms = 0;    // blank lines (nothing but spaces) with a term after them
    qsizetype firstBlank = -1;   // the first of them, 0-based
    qsizetype unpairedLine = -1; // the last term's line when it has no partner
};
PairLayout pairLayout(const plat::PackedLines &lines);

// A French warning before saving a full text laid out as `after`, when the
// text shown at the start was laid out as `before`, and the line it names
// (0-based). Only what the typing brought in is warned of: a sheet that
// already had an empty term is not warned of again at every save.
struct ShiftWarning {
    QString text;
    qsizetype line;
};
std::optional<ShiftWarning> pairShiftWarning(const PairLayout &before, const PairLayout &after);

QString deleteQuestion(const QString &foreign, const QString &french);
QString duplicateQuestion(const QString &foreign, const QString &french);
// Before a pair picked is corrected in place; each pair foreign term first.
QString replaceQuestion(const QString &oldForeign, const QString &oldFrench, const QString &foreign,
                        const QString &french);
// Before a sheet leaves the title list: its name, and where its file stays.
QString removeSheetQuestion(const QString &titleLine, const QString &file);
extern const QString kLeaveFullTextQuestion;

} // namespace editor
