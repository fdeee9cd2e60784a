#pragma once
#include "platform/linelist.h"
#include "platform/progress.h"

#include <QString>
#include <QStringList>

// The rules behind the processing tools: turning a two-column cif file into
// a sheet, joining sheets into a dictionary, and the program text that
// stores a sheet on a TI-89/92 calculator.
namespace processing {

// The column split of a cif file of L lines: Int(L / 2 - 2), truncated toward
// zero, so 0 for 3 lines and negative for 2 lines or fewer.
qsizetype cifColumnSplit(qsizetype lineCount);

// The sheet built from a cif file: its title line, then the n pairs made of
// line k of the first column and line k of the second (n the column split),
// then cif line n + 1 as a last, unpaired line. Lines past the end of the cif
// file read as empty; a file of one or two lines gives an empty sheet.
QStringList sheetFromCif(const plat::LineList &cif);
// The fewest lines a cif file that gives a sheet has: a title, a term, and
// a line between the columns.
constexpr qsizetype kCifMinLines = 3;

// The dictionary file's bytes: the title line, then lines 1 to 2 x pairs of
// every sheet in order, each line followed by CR LF, encoded as any line list
// is saved. Only complete pairs are taken: an unpaired last line would swap
// the terms of every pair after it. Sheets are read by the rules of line
// lists (any line end, a NUL ends the text). Throws plat::Failure naming the
// first file that cannot be read. The progress steps with every sheet.
QByteArray mixSheets(const QString &title, const QStringList &paths,
                     plat::Progress &progress = plat::Progress::none());

// The store operator of the calculator, written with the byte 0xBB of
// Windows-1252.
inline constexpr QChar kStoreArrow = QChar(0x00BB);

// {"line 0","line 1",...}»main\fiche: every line in double quotes, as it
// stands (a double quote inside a line is not escaped), no blanks added.
QString calculatorText(const QStringList &lines);

} // namespace processing
