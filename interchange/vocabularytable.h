#pragma once
#include "platform/progress.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace sheets {
struct Language;
}

// Word lists brought in from other programs: the table of texts a
// vocabulary file holds (one row an entry, one column a language or a
// spreadsheet column), which two columns make the pairs of a sheet, and the
// sheet they make. Qt Core only.
namespace interchange {

// No term is this long; a longer text is a damaged file (often a quote that
// is never closed), refused rather than carried into a sheet.
inline constexpr qsizetype kMaxFieldChars = qsizetype(1) << 16;
// Files beyond this are not word lists, and would be held whole.
inline constexpr qint64 kMaxImportBytes = qint64(512) << 20;
// More columns than anyone chooses two from in a list: a word list never has
// them, a damaged or hostile file does, and each would cost a line in the
// choice dialog.
inline constexpr qsizetype kMaxColumns = 256;

// The refusal of a file whose line `line` holds more than kMaxColumns
// columns (or, for a kvtml document, languages).
[[noreturn]] void failTooManyColumns(qsizetype line, bool languages);

class VocabularyTable {
public:
    enum class Kind { Kvtml, Delimited };
    Kind kind = Kind::Delimited;
    QString title;       // the document's own title; empty when it has none
    QString information; // its notes (author, comment)
    // Names the file gives its columns (languages, or a spreadsheet's column
    // line); may be shorter than the widest row. Empty names stand for none.
    QStringList names;
    QStringList locales; // language code of each column, where known
    // Columns that hold no term (identifiers, tags, decks of flash-card
    // exports): never offered first.
    std::vector<bool> meta;
    // The first row may name the columns; headerGuess is whether it seems to.
    bool mayHaveHeader = false;
    bool headerGuess = false;
    // Lines of a document declared UTF-8 whose bytes were not, read as
    // Windows-1252 instead.
    qsizetype misencodedLines = 0;

    qsizetype rowCount() const { return qsizetype(m_rowStarts.size()); }
    qsizetype cellCount(qsizetype row) const;
    // Empty past the end of the row.
    QStringView cell(qsizetype row, qsizetype column) const;
    // The widest row, or the number of names when larger.
    qsizetype columnCount() const;

    void startRow() { m_rowStarts.push_back(qsizetype(m_cellEnds.size())); }
    // Adds a cell to the row last started.
    void addCell(QStringView text);
    // Adds a row of cells at once.
    void addRow(const QStringList &cells);
    void reserve(qsizetype rows, qsizetype chars);

    bool operator==(const VocabularyTable &) const = default;

private:
    // Every cell's text one after the other, and where each cell and row
    // ends: a million rows cost their text and two numbers a cell.
    QString m_text;
    std::vector<qsizetype> m_cellEnds;
    std::vector<qsizetype> m_rowStarts;
    qsizetype m_widest = 0;
};

// What the choice dialog offers for column k: the header's cell when the
// first row names the columns, else the file's name, else "Colonne k + 1".
QString columnName(const VocabularyTable &table, qsizetype column, bool header);

struct ColumnChoice {
    qsizetype foreign = 0;
    qsizetype french = 1;
    bool header = false; // the first row names the columns and is no entry

    bool operator==(const ColumnChoice &) const = default;
};

// The column whose name or language is French gives the French terms, the
// first other column that holds terms the foreign ones.
ColumnChoice defaultChoice(const VocabularyTable &table);
// Whether the user must say which columns to take: more than two, or a first
// row that may be a header.
bool needsChoice(const VocabularyTable &table);
// "fr", "fr_CA", "French", "Français"...
bool looksFrench(const QString &nameOrLocale);

// The language of a column's terms: the one of its locale ("it", "pt_BR"),
// else the one its name or header names ("Italiano", "Anglais"); nullptr
// when neither says, or for French.
const sheets::Language *columnLanguage(const VocabularyTable &table, qsizetype column, bool header);

// The text of a cell as a term: a term is one line, so a text over several
// lines becomes one, its line breaks and the blanks around them one blank.
QString termText(QStringView cell);

// A sheet name or information as a title line can carry it: on one line,
// and without the markers that would cut it short or make a picture field.
QString titleFieldText(QStringView text);

struct ImportedSheet {
    QString titleLine;
    QString text; // the sheet file's text, every line followed by CR LF
    const sheets::Language *language = nullptr; // of the foreign terms, when known
    qsizetype pairs = 0;
    qsizetype empty = 0;          // entries with neither term
    qsizetype untranslated = 0;   // entries with one term only
    qsizetype misencodedLines = 0; // see VocabularyTable
};

// The sheet the chosen columns make: the document's title (or the given
// name when it has none) and its information as the title line, then one
// pair per entry that has both terms, in the file's order. The foreign
// column's language opens the information, unless the title already names
// it where the speech looks for it.
ImportedSheet buildSheet(const VocabularyTable &table, const ColumnChoice &choice, const QString &fallbackName,
                         plat::Progress &progress = plat::Progress::none());

// "123 paires importées." and what was left out and why, and how many lines
// were read in another encoding than the one declared.
QString importSummary(const ImportedSheet &sheet);

// Reads a vocabulary file: a kvtml document when it starts with '<', a
// spreadsheet's text otherwise. Throws plat::Failure with a French reason
// when it is not a word list or is damaged; a list with fewer than two
// columns or no entry is refused too.
VocabularyTable readVocabularyFile(const QString &path, plat::Progress &progress = plat::Progress::none());
VocabularyTable readVocabulary(QByteArrayView bytes, plat::Progress &progress = plat::Progress::none());

} // namespace interchange
