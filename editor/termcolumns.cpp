#include "editor/termcolumns.h"

#include "sheets/sheet.h"

#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <iterator>
#include <numeric>

namespace editor {

namespace {

constexpr char16_t upperAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

} // namespace

CollationRanks::CollationRanks(const QCollator &collator)
{
    // Printable ASCII in the collator's order; characters it sorts equal
    // (a letter and its capital) share a rank, and one it ignores gets none.
    std::vector<QString> chars;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        const QString one(QChar{c});
        if (collator.compare(one, QString()) != 0)
            chars.push_back(one);
    }
    std::stable_sort(chars.begin(), chars.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    quint16 rank = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        if (i == 0 || collator.compare(chars[i - 1], chars[i]) != 0)
            ++rank;
        m_ranks[chars[i].front().unicode()] = rank;
    }
    static constexpr char16_t accented[] = u"ÀÁÂÃÄÅàáâãäåÇçÈÉÊËèéêëÌÍÎÏìíîïÑñÒÓÔÕÖòóôõöÙÚÛÜùúûüÝýÿŸ";
    static constexpr char base[] = "AAAAAAaaaaaaCcEEEEeeeeIIIIiiiiNnOOOOOoooooUUUUuuuuYyyY";
    static_assert(std::size(accented) == std::size(base));
    for (size_t i = 0; i + 1 < std::size(base); ++i)
        m_ranks[accented[i]] = m_ranks[uchar(base[i])];
    const auto pair = [&](char16_t c, char a, char b) {
        if (m_ranks[uchar(a)] && m_ranks[uchar(b)])
            m_ranks[c] = quint16(m_ranks[uchar(a)] | m_ranks[uchar(b)] << 8);
    };
    pair(u'Œ', 'O', 'E');
    pair(u'œ', 'o', 'e');
    pair(u'Æ', 'A', 'E');
    pair(u'æ', 'a', 'e');
    pair(u'ß', 's', 's');
}

bool CollationRanks::covers(QStringView text) const
{
    for (QChar c : text) {
        if (!ranksOf(c.unicode()))
            return false;
    }
    return true;
}

namespace {

// The rank sequence of a covered text, one rank at a time; 0 at its end.
class RankReader {
public:
    RankReader(const CollationRanks &ranks, QStringView text) : m_ranks(ranks), m_text(text) {}
    quint8 next()
    {
        if (m_pending) {
            const quint8 r = m_pending;
            m_pending = 0;
            return r;
        }
        if (m_at == m_text.size())
            return 0;
        const quint16 r = m_ranks.ranksOf(m_text[m_at++].unicode());
        m_pending = quint8(r >> 8);
        return quint8(r);
    }

private:
    const CollationRanks &m_ranks;
    QStringView m_text;
    qsizetype m_at = 0;
    quint8 m_pending = 0;
};

} // namespace

CollationRanks::Prefix CollationRanks::prefixKey(QStringView text) const
{
    RankReader reader(*this, text);
    Prefix key;
    for (quint64 *half : {&key.high, &key.low}) {
        for (int i = 0; i < 8; ++i)
            *half = *half << 8 | reader.next();
    }
    key.whole = reader.next() == 0;
    return key;
}

bool CollationRanks::coveredPrefix(QStringView text, Prefix &key) const
{
    quint64 high = 0, low = 0;
    int filled = 0;
    const auto put = [&](quint8 rank) {
        if (filled < 8)
            high |= quint64(rank) << (8 * (7 - filled));
        else if (filled < 16)
            low |= quint64(rank) << (8 * (15 - filled));
        ++filled;
    };
    for (QChar c : text) {
        const quint16 r = ranksOf(c.unicode());
        if (!r)
            return false;
        put(quint8(r));
        if (r > 0xFF)
            put(quint8(r >> 8));
    }
    key.high = high;
    key.low = low;
    key.whole = filled <= 16;
    return true;
}

int CollationRanks::compare(QStringView a, QStringView b) const
{
    // The same characters have the same ranks; characters of one rank each
    // compare by it. A ligature hands over to the readers from there.
    qsizetype i = 0;
    const qsizetype n = std::min(a.size(), b.size());
    for (; i < n; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        const quint16 rx = ranksOf(x);
        const quint16 ry = ranksOf(y);
        if (rx > 0xFF || ry > 0xFF)
            break;
        if (rx != ry)
            return rx < ry ? -1 : 1;
    }
    if (i == n && a.size() == b.size())
        return 0;
    RankReader ra(*this, a.sliced(i));
    RankReader rb(*this, b.sliced(i));
    for (;;) {
        const quint8 x = ra.next();
        const quint8 y = rb.next();
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

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
    // Flat, so that an entry takes 24 bytes rather than 32: the sort moves
    // entries around many times.
    struct Entry {
        quint64 high, low;
        quint32 pair;
        bool whole;
        bool samePrefix(const Entry &o) const { return high == o.high && low == o.low; }
    };
    std::vector<Entry> fast;
    std::vector<quint32> slow;
    fast.reserve(n);
    keys.assign(size_t(n) + 1, 0);
    for (quint32 k = 1; k <= n; ++k) {
        progress.step();
        keys[k] = searchKey(term(k));
        if (CollationRanks::Prefix p; ranks.coveredPrefix(term(k), p))
            fast.push_back(Entry{p.high, p.low, k, p.whole});
        else
            slow.push_back(k);
    }
    // Sorted on the prefixes alone first, which touches no text; then each
    // run of equal prefixes, which the texts decide, on its own.
    // Dealt out on the first rank, then each share sorted while it is in
    // the cache.
    {
        std::array<size_t, 257> bounds{};
        for (const Entry &e : fast)
            ++bounds[(e.high >> 56) + 1];
        std::partial_sum(bounds.begin(), bounds.end(), bounds.begin());
        std::array<size_t, 256> next;
        std::copy(bounds.begin(), bounds.end() - 1, next.begin());
        std::vector<Entry> dealt(fast.size());
        for (const Entry &e : fast)
            dealt[next[e.high >> 56]++] = e;
        fast = std::move(dealt);
        for (size_t b = 0; b < 256; ++b) {
            std::sort(fast.begin() + qptrdiff(bounds[b]), fast.begin() + qptrdiff(bounds[b + 1]),
                      [&](const Entry &x, const Entry &y) {
                          progress.step();
                          if (x.high != y.high)
                              return x.high < y.high;
                          return x.low != y.low ? x.low < y.low : x.pair < y.pair;
                      });
        }
    }
    const auto tied = [&](const Entry &a, const Entry &b) {
        progress.step();
        // Equal prefixes holding both texts whole: equal rank sequences.
        if (!(a.whole && b.whole)) {
            if (const int c = ranks.compare(term(a.pair), term(b.pair)))
                return c < 0;
        }
        if (const int c = collate(term(a.pair), term(b.pair)))
            return c < 0;
        return a.pair < b.pair;
    };
    const auto line = [&](quint32 k) { return m_reversed ? 2 * qsizetype(k) : 2 * qsizetype(k) - 1; };
    const auto inRun = [&](size_t i) {
        return (i > 0 && fast[i - 1].samePrefix(fast[i])) || (i + 1 < fast.size() && fast[i + 1].samePrefix(fast[i]));
    };
    for (size_t run = 0; run < fast.size();) {
        size_t end = run + 1;
        while (end < fast.size() && fast[end].samePrefix(fast[run]))
            ++end;
        // The texts of the runs a little further on are fetched meanwhile.
        for (size_t ahead = run + 16; ahead < std::min(end + 16, fast.size()); ++ahead) {
            if (inRun(ahead))
                m_lines->prefetchStart(line(fast[ahead].pair));
        }
        for (size_t ahead = run + 8; ahead < std::min(end + 8, fast.size()); ++ahead) {
            if (inRun(ahead))
                m_lines->prefetchLine(line(fast[ahead].pair));
        }
        if (end - run > 1)
            std::sort(fast.begin() + qptrdiff(run), fast.begin() + qptrdiff(end), tied);
        run = end;
    }
    std::vector<quint32> order;
    order.reserve(n);
    for (const Entry &e : fast)
        order.push_back(e.pair);
    fast = {};
    // Neighbours in the collator's order make the whole order the
    // collator's; otherwise the ranks misled (letters the language joins)
    // and every row goes by the keys.
    if (!collatorOrdered(order, ranks, before)) {
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

quint64 searchKey(QStringView text)
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
