#include "editor/termcolumns.h"

#include "sheets/sheet.h"

#include <QLocale>
#include <algorithm>

namespace editor {

namespace {

constexpr char16_t upperAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

} // namespace

QCollator TermColumns::collator()
{
    // The user's own order; a program started without a locale (LANG=C) sorts
    // as its French users expect rather than by character codes.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::French, QLocale::France);
    QCollator c(locale);
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

TermColumns::TermColumns(QObject *parent) : QAbstractTableModel(parent), m_collator(collator()) {}

void TermColumns::build(const plat::LineList &lines, bool reversed)
{
    const qsizetype n = sheets::pairCount(lines.count());
    std::vector<Row> rows;
    rows.reserve(size_t(n));
    for (qsizetype k = 1; k <= n; ++k) {
        const QString &foreign = lines.lines().at(2 * k - 1);
        const QString &french = lines.lines().at(2 * k);
        const QString &first = reversed ? french : foreign;
        const QString &second = reversed ? foreign : french;
        rows.push_back(Row{first, second, k, m_collator.sortKey(first)});
    }
    // Stable, so that equal terms keep pair order.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row &a, const Row &b) { return a.key.compare(b.key) < 0; });
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TermColumns::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QStringList TermColumns::firstColumn() const
{
    QStringList out;
    out.reserve(qsizetype(m_rows.size()));
    for (const Row &r : m_rows)
        out.append(r.first);
    return out;
}

QStringList TermColumns::secondColumn() const
{
    QStringList out;
    out.reserve(qsizetype(m_rows.size()));
    for (const Row &r : m_rows)
        out.append(r.second);
    return out;
}

bool startsWithAsciiCaseless(QStringView text, QStringView prefix)
{
    if (prefix.isEmpty() || prefix.size() > text.size())
        return false;
    const char16_t *t = text.utf16();
    const char16_t *p = prefix.utf16();
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (upperAscii(t[i]) != upperAscii(p[i]))
            return false;
    }
    return true;
}

int TermColumns::searchPrefix(QStringView text) const
{
    // The rows that begin with a text need not be neighbours in a locale's
    // order (accents, punctuation), so this is a plain scan; it costs a few
    // character comparisons per row.
    if (text.isEmpty())
        return -1;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (startsWithAsciiCaseless(m_rows[i].first, text))
            return int(i);
    }
    return -1;
}

size_t TermColumns::upperBound(const QCollatorSortKey &key) const
{
    const auto it = std::upper_bound(m_rows.begin(), m_rows.end(), key,
                                     [](const QCollatorSortKey &k, const Row &r) {
                                         return k.compare(r.key) < 0;
                                     });
    return size_t(it - m_rows.begin());
}

int TermColumns::insertPair(const QString &first, const QString &second, qsizetype pair)
{
    QCollatorSortKey key = m_collator.sortKey(first);
    size_t at = upperBound(key);
    // Rows that sort equal to the new term sit just before its sorted place;
    // the first of them that is exactly the new term takes the new pair.
    const auto lower = std::lower_bound(m_rows.begin(), m_rows.begin() + qptrdiff(at), key,
                                        [](const Row &r, const QCollatorSortKey &k) {
                                            return r.key.compare(k) < 0;
                                        });
    for (size_t i = size_t(lower - m_rows.begin()); i < at; ++i) {
        if (m_rows[i].first == first) {
            at = i;
            break;
        }
    }
    beginInsertRows(QModelIndex(), int(at), int(at));
    m_rows.insert(m_rows.begin() + qptrdiff(at), Row{first, second, pair, std::move(key)});
    endInsertRows();
    return int(at);
}

void TermColumns::removeRowAt(int row)
{
    if (row < 0 || row >= rows())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void TermColumns::pairRemoved(qsizetype pair)
{
    for (Row &r : m_rows) {
        if (r.pair > pair)
            --r.pair;
    }
}

int TermColumns::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows();
}

int TermColumns::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TermColumns::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows() || role != Qt::DisplayRole)
        return {};
    const Row &r = m_rows[size_t(index.row())];
    return index.column() == 0 ? r.first : r.second;
}

qsizetype appendPair(plat::LineList &lines, const QString &foreign, const QString &french)
{
    if (sheets::hasUnpairedLine(lines.count())) {
        // The title line, the pairs, then the lone line: keep it last.
        lines.insert(lines.count() - 1, foreign);
        lines.insert(lines.count() - 1, french);
    } else {
        // A sheet without a title line gets an empty one first, so that the
        // pair lands on pair lines.
        if (lines.isEmpty())
            lines.append(QString());
        lines.append(foreign);
        lines.append(french);
    }
    return sheets::pairCount(lines.count());
}

qsizetype findPair(const plat::LineList &lines, const QString &foreign, const QString &french,
                   qsizetype preferred)
{
    const QStringList &l = lines.lines();
    const qsizetype n = sheets::pairCount(l.size());
    const auto holds = [&](qsizetype k) {
        return l.at(2 * k - 1) == foreign && l.at(2 * k) == french;
    };
    if (preferred >= 1 && preferred <= n && holds(preferred))
        return preferred;
    for (qsizetype k = 1; k <= n; ++k) {
        if (holds(k))
            return k;
    }
    return 0;
}

void removePair(plat::LineList &lines, qsizetype pair)
{
    if (pair < 1 || pair > sheets::pairCount(lines.count()))
        return;
    QStringList &l = lines.lines();
    l.remove(2 * pair - 1, 2);
}

QStringList exportLines(const QString &title, const TermColumns &columns)
{
    QStringList out;
    out.reserve(columns.rows() + 1);
    out.append(title + u';');
    for (int i = 0; i < columns.rows(); ++i)
        out.append(columns.first(i) + u';' + columns.second(i));
    return out;
}

QString directionWord(const QString &heading)
{
    static const QString lead = QStringLiteral("Vocabulaire ");
    return heading.startsWith(lead) ? heading.mid(lead.size()) : heading;
}

const QString kForeignHeading = QStringLiteral("Vocabulaire étranger :");
const QString kFrenchHeading = QStringLiteral("Vocabulaire français :");

QString termLabel(const QString &heading, const QString &term)
{
    return QStringLiteral("Terme ") + directionWord(heading) + u' ' + term;
}

int addTypedPair(plat::LineList &working, TermColumns &columns, const QString &first, const QString &second,
                 bool reversed)
{
    const qsizetype pair = appendPair(working, reversed ? second : first, reversed ? first : second);
    return columns.insertPair(first, second, pair);
}

void deleteRow(plat::LineList &working, TermColumns &columns, int row, bool reversed)
{
    if (row < 0 || row >= columns.rows())
        return;
    const QString &foreign = reversed ? columns.second(row) : columns.first(row);
    const QString &french = reversed ? columns.first(row) : columns.second(row);
    const qsizetype pair = findPair(working, foreign, french, columns.pairOf(row));
    if (pair > 0) {
        removePair(working, pair);
        columns.pairRemoved(pair);
    }
    columns.removeRowAt(row);
}

QString numberedSheetPath(int i)
{
    return QStringLiteral("C:\\Orsiva\\Tavilo !\\fich") + QString::number(i) + QStringLiteral(".fic");
}

} // namespace editor
