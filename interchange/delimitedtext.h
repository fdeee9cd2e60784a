#pragma once
#include "interchange/vocabularytable.h"
#include "platform/packedlines.h"
#include "platform/progress.h"

#include <QByteArray>

// Spreadsheet text: comma-, semicolon- or tab-separated values as RFC 4180
// reads them (quoted fields holding separators, doubled quotes and line
// breaks), in UTF-8, UTF-16 with its mark or Windows-1252, and the
// tab-separated text of flash-card programs, whose leading lines starting
// with '#' are comments or settings. Qt Core only.
namespace interchange {

// The rows of the text, one column a field. The separator is the one the
// text's "#separator:" line names, or the one of tab, ';' and ',' that cuts
// its first lines most evenly. Throws plat::Failure with a French reason for
// binary data, a quote never closed, or a field too long.
VocabularyTable readDelimited(QByteArrayView bytes, plat::Progress &progress = plat::Progress::none());
// The two steps of readDelimited, so that a caller can let the file's bytes
// go once they are decoded.
QString decodeDelimited(QByteArrayView bytes);
VocabularyTable readDelimitedText(const QString &text, plat::Progress &progress = plat::Progress::none());

// The tab-separated text of a sheet, in UTF-8: a few '#' lines saying so
// and naming the sheet, then one pair a line, foreign term first. A term
// that would read differently is quoted.
QByteArray tabSeparatedText(const plat::PackedLines &sheet);

} // namespace interchange
