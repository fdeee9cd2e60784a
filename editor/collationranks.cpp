#include "editor/collationranks.h"

#include <QMutex>
#include <QString>
#include <algorithm>
#include <iterator>
#include <map>
#include <numeric>

namespace editor {

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
    // ASCII characters of one rank are those the collator takes as equal
    // (a letter and its capital): texts made of them with the same ranks
    // sort as equal, in pair order. An accent is not equal.
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        if (m_ranks[c])
            m_ranks[c] |= kPlain;
    }
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

bool CollationRanks::foretell(const QCollator &collator)
{
    // Known per language: the check asks the collator some hundred thousand
    // questions, once.
    static QMutex mutex;
    static std::map<QString, bool> known;
    const QString language = collator.locale().bcp47Name() + u'/' + QString::number(int(collator.caseSensitivity()))
        + QString::number(int(collator.numericMode())) + QString::number(int(collator.ignorePunctuation()));
    const QMutexLocker lock(&mutex);
    if (const auto it = known.find(language); it != known.end())
        return it->second;
    const CollationRanks ranks(collator);
    std::vector<char16_t> chars;
    for (char16_t c = 0; c < kSize; ++c) {
        if (ranks.ranksOf(c))
            chars.push_back(c);
    }
    std::vector<QString> texts;
    texts.reserve(chars.size() * (chars.size() + 1));
    for (const char16_t a : chars) {
        texts.emplace_back(QChar(a));
        for (const char16_t b : chars) {
            const QChar two[] = {QChar(a), QChar(b)};
            texts.emplace_back(two, 2);
        }
    }
    // In the order the ranks give, texts of equal sequences in the
    // collator's: that is the collator's own order exactly when every two
    // neighbours of unequal sequences are in its order.
    std::sort(texts.begin(), texts.end(), [&](const QString &a, const QString &b) {
        if (const int c = ranks.compare(a, b))
            return c < 0;
        return collator.compare(a, b) < 0;
    });
    bool agrees = true;
    for (size_t i = 1; i < texts.size() && agrees; ++i)
        agrees = ranks.compare(texts[i - 1], texts[i]) == 0 || collator.compare(texts[i - 1], texts[i]) < 0;
    known.emplace(language, agrees);
    return agrees;
}

namespace {

// Byte d of a term's prefix, from the top of high.
quint8 digit(const RankedTerm &t, int d)
{
    return quint8(d < 8 ? t.high >> (56 - 8 * d) : t.low >> (120 - 8 * d));
}

bool before(const RankedTerm &x, const RankedTerm &y)
{
    // As one number: fewer branches the processor guesses wrong.
    const unsigned __int128 a = static_cast<unsigned __int128>(x.high) << 64 | x.low;
    const unsigned __int128 b = static_cast<unsigned __int128>(y.high) << 64 | y.low;
    return a < b || (a == b && x.pair < y.pair);
}

// The first byte of the prefix that not all of the n entries at a share, or
// 16 when they share them all.
int firstDifference(const RankedTerm *a, size_t n)
{
    // The shared bytes (a long word, a shared beginning) are skipped at
    // once rather than dealt on one after the other.
    quint64 highs = 0, lows = 0;
    for (size_t i = 1; i < n; ++i) {
        highs |= a[i].high ^ a[0].high;
        lows |= a[i].low ^ a[0].low;
    }
    if (highs)
        return int(qCountLeadingZeroBits(highs) / 8);
    return lows ? int(8 + qCountLeadingZeroBits(lows) / 8) : 16;
}

// Tallies of byte d of the n entries at a.
std::array<size_t, 256> tally(const RankedTerm *a, size_t n, int d)
{
    // Two tallies, so that a long stretch of one byte does not make every
    // count wait for the one before.
    std::array<size_t, 256> count{}, other{};
    size_t i = 0;
    for (; i + 1 < n; i += 2) {
        ++count[digit(a[i], d)];
        ++other[digit(a[i + 1], d)];
    }
    if (i < n)
        ++count[digit(a[i], d)];
    for (size_t k = 0; k < 256; ++k)
        count[k] += other[k];
    return count;
}

// Sorts the n entries at a, whose prefixes share their bytes before byte d,
// leaving them sorted in a when home is true, else in b; the other is
// scratch room. Dealt out on the first byte where their prefixes differ,
// each share sorted on the next bytes: every entry is moved a few times and
// compared with few others, never with one of another share, which a
// comparison sort could not do on a million. Moving each share back home
// after each dealing would double the moves; instead the shares alternate
// homes and only the smallest ones are copied.
void radixSort(RankedTerm *a, RankedTerm *b, size_t n, bool home, int d, plat::Progress &progress)
{
    constexpr size_t kSmall = 32;
    if (n <= kSmall) {
        for (size_t i = 1; i < n; ++i) {
            const RankedTerm t = a[i];
            size_t j = i;
            for (; j > 0 && before(t, a[j - 1]); --j)
                a[j] = a[j - 1];
            a[j] = t;
        }
        if (!home)
            std::copy(a, a + n, b);
        return;
    }
    progress.step(qsizetype(n));
    // Mostly the entries differ at byte d already, and one pass tallies it;
    // only entries that all share it are looked at for the first byte they
    // do not share.
    std::array<size_t, 256> count{};
    if (d < 16)
        count = tally(a, n, d);
    if (d < 16 && count[digit(a[0], d)] == n) {
        d = firstDifference(a, n);
        if (d < 16)
            count = tally(a, n, d);
    }
    if (d == 16) {
        // Equal prefixes, in pair order as they came.
        if (!home)
            std::copy(a, a + n, b);
        return;
    }
    std::array<size_t, 256> next;
    std::exclusive_scan(count.begin(), count.end(), next.begin(), size_t(0));
    for (size_t i = 0; i < n; ++i)
        b[next[digit(a[i], d)]++] = a[i];
    for (size_t k = 0, from = 0; k < 256; from += count[k++]) {
        if (count[k] > 1)
            radixSort(b + from, a + from, count[k], !home, d + 1, progress);
        else if (count[k] == 1 && home)
            a[from] = b[from];
    }
}

} // namespace

void sortRanked(std::vector<RankedTerm> &terms, plat::Progress &progress)
{
    std::vector<RankedTerm> scratch(terms.size());
    radixSort(terms.data(), scratch.data(), terms.size(), true, 0, progress);
}

} // namespace editor
