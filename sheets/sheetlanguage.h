#pragma once
#include <QList>
#include <QLocale>
#include <QString>

// The language of a sheet's foreign terms, as its author names it in French
// in the sheet's name or title ("Anglais - Les animaux", "Vocabulaire
// d'allemand"), and the voice that speaks it.
namespace sheets {

struct Language {
    QString code;  // "en": what a sheet's remembered choice is stored as
    QString name;  // "Anglais": what the language list shows
    QLocale voice; // the locale whose voice speaks it, its country preferred
};

// The languages a sheet can be spoken in, in the order the list shows them.
const QList<Language> &languages();
// The language of a code; nullptr for an unknown code.
const Language *languageOfCode(QStringView code);
// French is what the translations are spoken in.
const Language &french();

// The first language named by a word of the text, whatever its case, accents
// or plural ("ANGLAIS", "néerlandaises"); French itself does not count, being
// the other side of every pair. nullptr when no word names a language.
const Language *languageNamedIn(QStringView text);

// The language of a sheet: named in its sheet name first, then in the rest of
// its title line, then in its file's name ("allemand-maison.txt").
const Language *languageOfSheet(QStringView titleLine, QStringView filePath);

// What is spoken of a term: without its note in brackets, its blanks
// collapsed, and a very long term cut at a word end near kSpokenLength
// characters. Only the beginning of the term is ever looked at.
constexpr qsizetype kSpokenLength = 200;
QString spokenText(QStringView term);

} // namespace sheets
