#include "editor/termcolumns.h"

#include "editor/collationranks.h"

#include "sheets/sheet.h"

#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <iterator>
#include <numeric>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace editor {

namespace {

// The search key and the prefix of a term whose first sixteen units (all of
// them, if fewer) are Latin-1 characters of one rank each, sixteen units
// looked at together: most terms of most sheets. False for any other term,
// which goes the longer way. Sixteen units must be readable from the term's
// start.
bool latinKeys(const CollationRanks &ranks, QStringView text, quint64 &search, CollationRanks::Prefix &key)
{
#if defined(__SSE2__) && defined(__x86_64__)
    const char16_t *s = text.utf16();
    const qsizetype size = text.size();
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + 8));
    const int m = int(std::min<qsizetype>(size, 16));
    const unsigned inText = (1u << m) - 1;
    const __m128i zero = _mm_setzero_si128();
    const __m128i wide = _mm_packus_epi16(_mm_srli_epi16(a, 8), _mm_srli_epi16(b, 8));
    if (~unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(wide, zero))) & inText)
        return false;
    // One byte a unit now; a to z as capitals for the search.
    const __m128i units = _mm_packus_epi16(a, b);
    const __m128i lower = _mm_and_si128(_mm_cmpgt_epi8(units, _mm_set1_epi8('a' - 1)),
                                        _mm_cmplt_epi8(units, _mm_set1_epi8('z' + 1)));
    const auto upper = quint64(_mm_cvtsi128_si64(_mm_sub_epi8(units, _mm_and_si128(lower, _mm_set1_epi8(0x20)))));
    const bool ascii = !(unsigned(_mm_movemask_epi8(units)) & inText);
    alignas(16) quint8 bytes[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(bytes), units);
    quint64 high = 0, low = 0;
    // Every unit must have one rank and no more: not a control character,
    // not a ligature.
    bool covered = true;
    quint16 seconds = 0;
    for (int i = 0; i < m; ++i) {
        const quint16 r = ranks.ranksOf(bytes[i]);
        covered = covered && quint8(r);
        seconds |= r;
        if (i < 8)
            high |= quint64(quint8(r)) << (56 - 8 * i);
        else
            low |= quint64(quint8(r)) << (120 - 8 * i);
    }
    if (!covered || seconds > 0xFF)
        return false;
    if (size > 16 && !ranks.covers(text.sliced(16)))
        return false;
    search = m >= 8 ? upper : upper & ((quint64(1) << (8 * m)) - 1);
    key.high = high;
    key.low = low;
    key.whole = size <= 16;
    key.plain = key.whole && ascii;
    return true;
#else
    Q_UNUSED(ranks);
    Q_UNUSED(text);
    Q_UNUSED(search);
    Q_UNUSED(key);
    return false;
#endif
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

TermColumns::TermColumns(QObject *parent) : QAbstractTableModel(parent), m_collator(collator())
{
    static const plat::PackedLines none;
    m_lines = &none;
}

void TermColumns::build(const plat::PackedLines &lines, bool reversed, plat::Progress &progress)
{
    // The rows go first, so that the views show nothing while the new ones
    // are sorted and the window repaints meanwhile.
    clear();
    m_lines = &lines;
    m_reversed = reversed;
    std::vector<quint64> keysByPair;
    std::vector<quint32> order = sortedOrder(progress, keysByPair);
    std::vector<quint64> keys(order.size());
    for (size_t row = 0; row < order.size(); ++row)
        keys[row] = keysByPair[order[row]];
    keysByPair = {};
    beginResetModel();
    m_rows = std::move(order);
    m_searchKeys = std::move(keys);
    endResetModel();
}

template<typename Before>
bool TermColumns::collatorOrdered(const std::vector<quint32> &order, const CollationRanks &ranks,
                                  const Before &before) const
{
    const size_t n = order.size();
    const auto line = [&](quint32 k) { return m_reversed ? 2 * qsizetype(k) : 2 * qsizetype(k) - 1; };
    for (size_t i = 1; i < n; ++i) {
        // The rows are in no order of the text: the lines a few rows on are
        // fetched while these are compared.
        if (i + 16 < n)
            m_lines->prefetchStart(line(order[i + 16]));
        if (i + 8 < n)
            m_lines->prefetchLine(line(order[i + 8]));
        // Neighbours of equal rank sequences were put in order by the
        // collator itself.
        if (ranks.compare(termOf(order[i - 1], m_reversed), termOf(order[i], m_reversed)) == 0)
            continue;
        if (before(order[i], order[i - 1]))
            return false;
    }
    return true;
}

std::vector<quint32> TermColumns::sortedOrder(plat::Progress &progress, std::vector<quint64> &keys) const
{
    const quint32 n = quint32(sheets::pairCount(m_lines->count()));
    const auto term = [&](quint32 k) { return termOf(k, m_reversed); };
    // Pairs are numbered in list order: equal terms in pair order.
    // Identical texts compare equal in any collation; the collator need
    // not be asked about the many repeated terms.
    const auto collate = [&](QStringView a, QStringView b) { return a == b ? 0 : m_collator.compare(a, b); };
    const auto before = [&](quint32 a, quint32 b) {
        progress.step();
        const int c = collate(term(a), term(b));
        return c < 0 || (c == 0 && a < b);
    };
    // Most terms are sorted on their ranks, with integer and table look-ups,
    // and the collator only on ties; the others on the collator's keys.
    const CollationRanks ranks(m_collator);
    std::vector<RankedTerm> fast;
    std::vector<quint32> slow;
    fast.reserve(n);
    keys.assign(size_t(n) + 1, 0);
    // Sixteen units can be read from a term's start up to there.
    const QString &text = m_lines->toText();
    const char16_t *const readable = reinterpret_cast<const char16_t *>(text.constData()) + text.size() - 16;
    for (quint32 k = 1; k <= n; ++k) {
        progress.step();
        const QStringView t = term(k);
        CollationRanks::Prefix p;
        if (!(t.utf16() <= readable && latinKeys(ranks, t, keys[k], p))) {
            keys[k] = searchKey(t);
            if (!ranks.coveredPrefix(t, p)) {
                slow.push_back(k);
                continue;
            }
        }
        fast.push_back(RankedTerm{p.high, p.low, k, p.whole, p.plain});
    }
    // Sorted on the prefixes alone first, which touches no text; then each
    // run of equal prefixes, which the texts decide, on its own.
    sortRanked(fast, progress);
    const auto tied = [&](const RankedTerm &a, const RankedTerm &b) {
        progress.step();
        // Equal prefixes holding both texts whole: equal rank sequences,
        // which the collator takes as equal when both texts are plain.
        if (a.plain && b.plain)
            return a.pair < b.pair;
        if (!(a.whole && b.whole)) {
            if (const int c = ranks.compare(term(a.pair), term(b.pair)))
                return c < 0;
        }
        if (const int c = collate(term(a.pair), term(b.pair)))
            return c < 0;
        return a.pair < b.pair;
    };
    // The runs are found first, so that the texts of the runs further on
    // can be fetched while these are sorted: a run's texts lie anywhere in
    // the sheet, and most terms of a big sheet share their first letters
    // with no other.
    // A run of plain texts (one term typed again and again) is in pair
    // order already, as the prefix sort leaves equal prefixes.
    std::vector<quint32> runStarts;
    for (size_t i = 0; i + 1 < fast.size();) {
        size_t end = i + 1;
        bool plain = fast[i].plain;
        for (; end < fast.size() && fast[end].samePrefix(fast[i]); ++end)
            plain = plain && fast[end].plain;
        if (end - i > 1 && !plain) {
            runStarts.push_back(quint32(i));
            runStarts.push_back(quint32(end));
        }
        i = end;
    }
    const auto line = [&](quint32 k) { return m_reversed ? 2 * qsizetype(k) : 2 * qsizetype(k) - 1; };
    // Where each line starts is fetched a run or two before the line.
    constexpr size_t kStartsAhead = 48, kLinesAhead = 24;
    size_t startsRun = 0, startsAt = 0, linesRun = 0, linesAt = 0;
    const auto fetchUpTo = [&](size_t &run, size_t &at, size_t count, auto fetch) {
        for (size_t fetched = 0; fetched < count && run < runStarts.size(); ++fetched) {
            if (at < runStarts[run])
                at = runStarts[run];
            fetch(line(fast[at].pair));
            if (++at == runStarts[run + 1])
                run += 2;
        }
    };
    const auto prefetchStart = [&](qsizetype l) { m_lines->prefetchStart(l); };
    const auto prefetchLine = [&](qsizetype l) { m_lines->prefetchLine(l); };
    fetchUpTo(startsRun, startsAt, kStartsAhead, prefetchStart);
    fetchUpTo(linesRun, linesAt, kLinesAhead, prefetchLine);
    for (size_t r = 0; r < runStarts.size(); r += 2) {
        const size_t run = runStarts[r], end = runStarts[r + 1];
        fetchUpTo(startsRun, startsAt, end - run, prefetchStart);
        fetchUpTo(linesRun, linesAt, end - run, prefetchLine);
        // Most runs are one term typed again and again, already in pair
        // order: one look at each neighbour settles them.
        const auto from = fast.begin() + qptrdiff(run), to = fast.begin() + qptrdiff(end);
        if (!std::is_sorted(from, to, tied))
            std::sort(from, to, tied);
    }
    std::vector<quint32> order;
    order.reserve(n);
    for (const RankedTerm &e : fast)
        order.push_back(e.pair);
    fast = {};
    // Where the ranks are known to foretell the collator's order, it is
    // that order. Elsewhere, neighbours in the collator's order make the
    // whole order the collator's; otherwise the ranks misled (letters the
    // language joins) and every row goes by the keys.
    if (!CollationRanks::foretell(m_collator) && !collatorOrdered(order, ranks, before)) {
        slow.resize(n);
        std::iota(slow.begin(), slow.end(), quint32(1));
        order.clear();
    }
    if (!slow.empty()) {
        // Keys are built once and compared many times.
        std::vector<QCollatorSortKey> sortKeys;
        sortKeys.reserve(slow.size());
        for (quint32 k : slow) {
            progress.step(16);
            sortKeys.push_back(m_collator.sortKey(term(k).toString()));
        }
        std::vector<quint32> at(slow.size());
        std::iota(at.begin(), at.end(), quint32(0));
        std::sort(at.begin(), at.end(), [&](quint32 a, quint32 b) {
            progress.step();
            // The collator puts an empty term before any other, even one
            // its keys take as empty (control characters only).
            const bool emptyA = term(slow[a]).isEmpty(), emptyB = term(slow[b]).isEmpty();
            if (emptyA != emptyB)
                return emptyA;
            const int c = sortKeys[a].compare(sortKeys[b]);
            return c < 0 || (c == 0 && a < b);
        });
        sortKeys = {};
        for (quint32 &a : at)
            a = slow[a];
        // Each of the few other terms finds its place among the many by
        // halving, after the place of the one before it: a merge would ask
        // the collator about every row.
        std::vector<quint32> merged;
        merged.reserve(n);
        auto from = order.begin();
        for (const quint32 k : at) {
            const auto to = std::partition_point(from, order.end(), [&](quint32 f) { return before(f, k); });
            merged.insert(merged.end(), from, to);
            merged.push_back(k);
            from = to;
        }
        merged.insert(merged.end(), from, order.end());
        order = std::move(merged);
    }
    return order;
}

void TermColumns::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows = {};
    m_searchKeys = {};
    endResetModel();
}

QStringList TermColumns::firstColumn() const
{
    QStringList out;
    out.reserve(qsizetype(m_rows.size()));
    for (int row = 0; row < rows(); ++row)
        out.append(first(row));
    return out;
}

QStringList TermColumns::secondColumn() const
{
    QStringList out;
    out.reserve(qsizetype(m_rows.size()));
    for (int row = 0; row < rows(); ++row)
        out.append(second(row));
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
    // order (accents, punctuation), so this is a scan. It reads the rows'
    // keys in order, and the text of a row only when its key agrees with
    // the text's: a row that differs there cannot begin with the text.
    if (text.isEmpty())
        return -1;
    const quint64 key = searchKey(text);
    quint64 mask = 0;
    for (int i = 0; i < 8; ++i) {
        if (key >> (8 * i) & 0xFF)
            mask |= quint64(0xFF) << (8 * i);
    }
    const quint64 *keys = m_searchKeys.data();
    const size_t n = m_searchKeys.size();
    for (size_t row = 0; row < n; ++row) {
        if ((keys[row] & mask) == key && startsWithAsciiCaseless(firstTerm(int(row)), text))
            return int(row);
    }
    return -1;
}

size_t TermColumns::upperBound(QStringView first) const
{
    const auto it = std::partition_point(m_rows.begin(), m_rows.end(), [&](quint32 k) {
        return m_collator.compare(first, termOf(k, m_reversed)) >= 0;
    });
    return size_t(it - m_rows.begin());
}

int TermColumns::insertPair(qsizetype pair)
{
    if (pair < 1 || pair > sheets::pairCount(m_lines->count()))
        return -1;
    const QStringView first = termOf(pair, m_reversed);
    size_t at = upperBound(first);
    // Rows that sort equal to the new term sit just before its sorted place;
    // the first of them that is exactly the new term takes the new pair.
    const auto lower = std::partition_point(m_rows.begin(), m_rows.begin() + qptrdiff(at), [&](quint32 k) {
        return m_collator.compare(termOf(k, m_reversed), first) < 0;
    });
    for (size_t i = size_t(lower - m_rows.begin()); i < at; ++i) {
        if (termOf(m_rows[i], m_reversed) == first) {
            at = i;
            break;
        }
    }
    beginInsertRows(QModelIndex(), int(at), int(at));
    m_rows.insert(m_rows.begin() + qptrdiff(at), quint32(pair));
    m_searchKeys.insert(m_searchKeys.begin() + qptrdiff(at), searchKey(first));
    endInsertRows();
    return int(at);
}

void TermColumns::removeRowAt(int row)
{
    if (row < 0 || row >= rows())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    m_searchKeys.erase(m_searchKeys.begin() + row);
    endRemoveRows();
}

void TermColumns::pairRemoved(qsizetype pair)
{
    for (quint32 &k : m_rows) {
        if (k > pair)
            --k;
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
    return index.column() == 0 ? first(index.row()) : second(index.row());
}

qsizetype appendPair(plat::PackedLines &lines, const QString &foreign, const QString &french)
{
    if (sheets::hasUnpairedLine(lines.count())) {
        // The title line, the pairs, then the lone line: keep it last.
        lines.insert(lines.count() - 1, {foreign, french});
    } else {
        // A sheet without a title line gets an empty one first, so that the
        // pair lands on pair lines.
        if (lines.isEmpty())
            lines.append(QString());
        lines.insert(lines.count(), {foreign, french});
    }
    return sheets::pairCount(lines.count());
}

qsizetype findPair(const plat::PackedLines &lines, const QString &foreign, const QString &french, qsizetype preferred)
{
    const qsizetype n = sheets::pairCount(lines.count());
    const auto holds = [&](qsizetype k) {
        return lines.view(2 * k - 1) == foreign && lines.view(2 * k) == french;
    };
    if (preferred >= 1 && preferred <= n && holds(preferred))
        return preferred;
    for (qsizetype k = 1; k <= n; ++k) {
        if (holds(k))
            return k;
    }
    return 0;
}

void removePair(plat::PackedLines &lines, qsizetype pair)
{
    if (pair < 1 || pair > sheets::pairCount(lines.count()))
        return;
    lines.remove(2 * pair - 1, 2);
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

int addTypedPair(plat::PackedLines &working, TermColumns &columns, const QString &first, const QString &second,
                 bool reversed)
{
    return columns.insertPair(appendPair(working, reversed ? second : first, reversed ? first : second));
}

void deleteRow(plat::PackedLines &working, TermColumns &columns, int row, bool reversed)
{
    if (row < 0 || row >= columns.rows())
        return;
    // Copies: the lines the terms are read from may be the working lines.
    const QString foreign = reversed ? columns.second(row) : columns.first(row);
    const QString french = reversed ? columns.first(row) : columns.second(row);
    const qsizetype pair = findPair(working, foreign, french, columns.pairOf(row));
    // The row goes before its pair, so that no row is ever left reading a
    // pair that is gone.
    columns.removeRowAt(row);
    if (pair > 0) {
        removePair(working, pair);
        columns.pairRemoved(pair);
    }
}

QString numberedSheetPath(int i)
{
    return QStringLiteral("C:\\Orsiva\\Tavilo !\\fich") + QString::number(i) + QStringLiteral(".fic");
}

} // namespace editor
