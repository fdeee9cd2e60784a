#pragma once
#include "platform/progress.h"

#include <QCollator>
#include <QStringView>
#include <QtEndian>
#include <QtGlobal>

#include <array>
#include <vector>

namespace editor {

// The collator's first-level order on the characters most sheets are made
// of, measured on the collator itself: printable ASCII, the accented Latin
// letters (their base letter's rank) and the ligatures oe and ae and the sharp s (two
// ranks). Texts made only of these usually compare, up to accents and
// case, as their rank sequences do; "usually", because a language may join
// letters (Czech "ch"), so an order built from ranks must be checked with
// the collator before it is trusted.
class CollationRanks {
public:
    explicit CollationRanks(const QCollator &collator);
    // Ranks from 1; 0 for a character outside the table.
    quint16 ranksOf(char16_t c) const { return c < kSize ? m_ranks[c] & ~kPlain : 0; }
    // Whether every character of the text has ranks.
    bool covers(QStringView text) const
    {
        for (const QChar c : text) {
            if (!ranksOf(c.unicode()))
                return false;
        }
        return true;
    }
    // The first sixteen ranks of a covered text, one per byte from the top,
    // zero past its end: keys compare as the rank sequences begin.
    struct Prefix {
        quint64 high = 0, low = 0;
        bool whole = false; // the text has no more ranks
        bool plain = false; // whole, and made of plain characters only
    };
    // The prefix of a text, or false when a character of the text has no
    // ranks (key then unspecified). Inline: it runs once for every term.
    bool coveredPrefix(QStringView text, Prefix &key) const;
    // Rank sequences of two covered texts compared: negative, 0, positive.
    int compare(QStringView a, QStringView b) const;
    // Whether the ranks foretell the collator's order wherever they differ:
    // texts whose rank sequences differ then sort as the sequences do, and
    // only texts of equal sequences need the collator. Checked once per
    // language on every text of one and two characters of the table, which
    // finds the letters a language joins (Czech "ch", Danish "aa") and the
    // accented letters it sorts apart (Swedish "å"); a language joining three
    // letters whose first two it leaves apart would go unseen, and no
    // collator's language is known to.
    static bool foretell(const QCollator &collator);

private:
    static constexpr char16_t kSize = 0x180;
    // Low byte the first rank, the next seven bits the second, the top bit
    // whether the character is plain: one look for all three, once for
    // every character of a big sheet. No rank reaches 128, there are fewer
    // printable ASCII characters.
    static constexpr quint16 kPlain = 0x8000;
    std::array<quint16, kSize> m_ranks{};
};

// A term placed by its first sixteen ranks (CollationRanks::Prefix), with its
// pair. Flat, so that an entry takes 24 bytes: a sort moves entries around
// many times.
struct RankedTerm {
    quint64 high, low;
    quint32 pair;
    bool whole;
    bool plain;
    bool samePrefix(const RankedTerm &o) const { return high == o.high && low == o.low; }
};

// Sorts terms on their prefixes, equal prefixes in pair order.
void sortRanked(std::vector<RankedTerm> &terms, plat::Progress &progress);

inline bool CollationRanks::coveredPrefix(QStringView text, Prefix &key) const
{
    // Into bytes rather than shifted into a number: each rank is stored
    // without waiting for the one before it.
    std::array<quint8, 18> ranks{};
    int filled = 0;
    bool plain = true;
    const char16_t *c = text.utf16();
    const char16_t *const end = c + text.size();
    for (; c != end && filled < 16; ++c) {
        const quint16 r = *c < kSize ? m_ranks[*c] : 0;
        if (!r)
            return false;
        plain = plain && (r & kPlain);
        ranks[size_t(filled++)] = quint8(r);
        if (r & 0x7F00)
            ranks[size_t(filled++)] = quint8((r >> 8) & 0x7F);
    }
    const bool whole = c == end && filled <= 16;
    if (!covers(QStringView(c, end)))
        return false;
    key.high = qFromBigEndian<quint64>(ranks.data());
    key.low = qFromBigEndian<quint64>(ranks.data() + 8);
    key.whole = whole;
    key.plain = whole && plain;
    return true;
}

} // namespace editor
