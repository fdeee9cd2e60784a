#pragma once
#include <QString>
#include <QStringList>

// How a typed answer is judged against the expected one.
namespace quiz {

// The marks that "Respecter la ponctuation" unticked leaves out, in the order
// they are removed: a mark with a blank comes before the bare mark, so the
// blank goes with it.
const QStringList &punctuationList();

// Every occurrence of the entry removed, the leftmost first, again and again
// until none is left (two halves that meet after a removal are removed too).
// Linear in the length of the text.
QString removeEntry(QStringView text, QStringView entry);

// The form both sides of a judgement are compared in: without the punctuation
// entries unless punctuation counts, then with a to z made upper case unless
// case counts. No other letter changes case and nothing else is normalised.
QString comparisonForm(QStringView text, bool respectCase, bool respectPunctuation);

bool answersMatch(QStringView typed, QStringView expected, bool respectCase, bool respectPunctuation);

// What the user must type for an expected entry: the entry without its note
// "[...]" and the blanks that separate the note; the whole entry when it has
// no "[".
QString expectedAnswer(QStringView entry);

} // namespace quiz
