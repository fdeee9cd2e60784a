#pragma once
#include "platform/packedlines.h"
#include "platform/progress.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace editor {

// The editor's two term columns are two views of one list of rows: column 0
// is the first column (sorted), column 1 the second column beside it. A row
// is the number of the pair it shows, its terms read from the sheet lines:
// equal first terms list in pair order and a deleted pair can be found
// again, and a big sheet's terms are held once, in its lines.
class CollationRanks;

class TermColumns : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TermColumns(QObject *parent = nullptr);

    // Rebuilds the rows from sheet lines: the foreign terms first in the
    // normal direction, the French terms first in the reversed one. Rows are
    // sorted on the first term (case-insensitive, locale-aware), equal terms
    // in pair order. A big sheet steps the progress as it sorts. The rows
    // read the lines until the next build or clear: the lines must live that
    // long, and change only by addTypedPair and deleteRow meanwhile.
    void build(const plat::PackedLines &lines, bool reversed, plat::Progress &progress = plat::Progress::none());
    void build(plat::PackedLines &&, bool, plat::Progress & = plat::Progress::none()) = delete;
    void clear();

    int rows() const { return int(m_rows.size()); }
    QString first(int row) const { return firstTerm(row).toString(); }
    QString second(int row) const { return secondTerm(row).toString(); }
    qsizetype pairOf(int row) const { return m_rows[size_t(row)]; }
    QStringList firstColumn() const;
    QStringList secondColumn() const;

    // The first row whose first term begins with the text, ignoring the case
    // of the letters a to z only (accented letters must match exactly); -1
    // when none does or when the text is empty.
    int searchPrefix(QStringView text) const;

    // Adds a row for a pair new in the lines and returns its row (-1 for a
    // pair the lines do not hold). The first
    // term goes to its sorted place after the terms that sort equal to it;
    // the second term is shown beside the first row whose first term is
    // exactly the same text, so that row becomes the new pair's, and the
    // older pairs with that term follow it.
    int insertPair(qsizetype pair);
    void removeRowAt(int row);
    // A pair left the sheet: the pairs after it move up by one.
    void pairRemoved(qsizetype pair);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The collation of the first column.
    static QCollator collator();

private:
    QStringView firstTerm(int row) const { return termOf(m_rows[size_t(row)], m_reversed); }
    QStringView secondTerm(int row) const { return termOf(m_rows[size_t(row)], !m_reversed); }
    // The foreign term of pair k, or its French term when french is true.
    QStringView termOf(qsizetype k, bool french) const { return m_lines->view(french ? 2 * k : 2 * k - 1); }
    // The pair numbers in collation order of their first terms, equal terms
    // in pair order.
    // Fills keys with each pair's search key (index: pair number) on the way.
    std::vector<quint32> sortedOrder(plat::Progress &progress, std::vector<quint64> &keys) const;
    // Whether the collator agrees with the order of every two neighbours.
    template<typename Before>
    bool collatorOrdered(const std::vector<quint32> &order, const CollationRanks &ranks, const Before &before) const;
    // First row whose first term sorts after the text.
    size_t upperBound(QStringView first) const;

    QCollator m_collator;
    const plat::PackedLines *m_lines; // no lines until the first build
    bool m_reversed = false;
    // Pair numbers: four bytes a row, and a sheet of four billion pairs
    // would not fit in memory as text anyway.
    std::vector<quint32> m_rows;
    // Each row's searchKey, in row order: a search reads them one after the
    // other instead of reaching into the text for every row.
    std::vector<quint64> m_searchKeys;
};

// The letters a to z as capitals, any other character as it is.
constexpr char16_t upperAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

// The first eight characters of a text for the prefix search, one byte
// each, 0 past its end: a character below 256 as its byte, the letters a to z
// as capitals, any other character as a byte of its own with the top bit
// set. Characters that the search takes as equal give equal bytes, so a text
// cannot begin with a prefix whose key differs from its own where the
// prefix's bytes are not 0.
inline quint64 searchKey(QStringView text)
{
    quint64 key = 0;
    const qsizetype n = std::min<qsizetype>(text.size(), 8);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        const quint8 byte = c < 256 ? quint8(upperAscii(c)) : quint8((c ^ c >> 8) | 0x80);
        key |= quint64(byte) << (8 * i);
    }
    return key;
}

// Whether text begins with prefix when the letters a to z are taken as
// capitals; every other character must match exactly. An empty prefix
// matches nothing.
bool startsWithAsciiCaseless(QStringView text, QStringView prefix);

// Appends a pair to working sheet lines, foreign term first, and returns its
// pair number. A last line without its partner stays last: the pair goes in
// before it, so that it stays a pair instead of taking that line as its
// foreign term.
qsizetype appendPair(plat::PackedLines &lines, const QString &foreign, const QString &french);

// The pair made of exactly these two terms: the preferred pair when it holds
// them, otherwise the first such pair. Only whole pairs count, never a French
// term followed by the next pair's foreign term. 0 when none.
qsizetype findPair(const plat::PackedLines &lines, const QString &foreign, const QString &french,
                   qsizetype preferred = 0);
void removePair(plat::PackedLines &lines, qsizetype pair);

// The export for a spreadsheet: the title followed by ";", then one line per
// row, first column ";" second column, nothing quoted.
QStringList exportLines(const QString &title, const TermColumns &columns);

// The two column headings. The first column's heading is the direction:
// the foreign heading there is the normal direction, anything else reversed.
extern const QString kForeignHeading;
extern const QString kFrenchHeading;
inline bool isReversed(const QString &firstHeading) { return firstHeading != kForeignHeading; }
// The first column's heading after a change of direction; the second
// column's is then the other one.
inline const QString &swappedHeading(const QString &firstHeading)
{
    return isReversed(firstHeading) ? kForeignHeading : kFrenchHeading;
}

// A column heading without its leading "Vocabulaire ": the direction word the
// term labels use ("étranger :" or "français :").
QString directionWord(const QString &heading);
// A term label: "Terme ", the heading's direction word, a blank, the term.
QString termLabel(const QString &heading, const QString &term);

// Adds the pair typed in the two entries (first column's term first) to the
// working lines, foreign term first, and to the columns built on them;
// returns its row.
int addTypedPair(plat::PackedLines &working, TermColumns &columns, const QString &first, const QString &second,
                 bool reversed);
// Deletes a row from the columns and its pair from the working lines, when
// the lines hold that pair whole (they may not after a failed read).
void deleteRow(plat::PackedLines &working, TermColumns &columns, int row, bool reversed);

// The numbered sheet i that the editor's background double-click lists.
QString numberedSheetPath(int i);

} // namespace editor
