#pragma once
// Vocabulary that looks like what people type into sheets, for the
// benchmarks that read, sort and search terms: single words and phrases of 3
// to 40 characters, accented letters, articles ("le", "la", "l'", "the",
// "der", "die", "das"), words that share their beginnings, capitals, and
// about one pair in twenty repeating an earlier one. Such words sort and
// search slower than numbered synthetic ones, which is the point. The same
// seed gives the same words on every machine.
#include "platform/encoding.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace bench {

class RealWords {
public:
    explicit RealWords(std::uint64_t seed = 20261209) : m_state(seed) { makeStems(); }

    struct Pair {
        QString foreign, french;
    };

    // The pairs of a sheet, k from 0: the same k gives the same pair for one
    // generator, duplicates included.
    std::vector<Pair> pairs(int n)
    {
        std::vector<Pair> out;
        out.reserve(size_t(n));
        for (int k = 0; k < n; ++k) {
            if (k > 20 && below(100) < 5) {
                // A pair typed again, or a term with a second translation.
                const Pair &earlier = out[size_t(below(std::uint32_t(k)))];
                out.push_back(below(2) ? earlier : Pair{earlier.foreign, term(kFrench)});
                continue;
            }
            out.push_back(Pair{term(kForeign), term(kFrench)});
        }
        return out;
    }

    // A sheet file: a title line, then each pair's two lines, CR LF after
    // each, encoded as the program writes sheets (Windows-1252 here).
    QByteArray sheetBytes(int n, const QString &title = QStringLiteral("Vocabulaire général //saisi en classe\\\\"))
    {
        QString text = title + QStringLiteral("\r\n");
        text.reserve(qsizetype(n) * 40);
        for (const Pair &p : pairs(n)) {
            text += p.foreign;
            text += QLatin1String("\r\n");
            text += p.french;
            text += QLatin1String("\r\n");
        }
        return plat::encodeText(text);
    }

private:
    enum Language { kForeign, kFrench };

    std::uint32_t next()
    {
        // xorshift64*: plenty for test data, and the same everywhere.
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return std::uint32_t((m_state * 0x2545F4914F6CDD1DULL) >> 32);
    }
    std::uint32_t below(std::uint32_t n) { return next() % n; }
    template<typename T, size_t N>
    const T &pick(const std::array<T, N> &from) { return from[below(N)]; }

    QString syllable(Language lang)
    {
        static const std::array<const char16_t *, 40> foreign = {
            u"ab", u"ber", u"ch", u"dor", u"ei", u"fen", u"gra", u"hau", u"ing", u"kla", u"lich", u"mö",
            u"nach", u"ob", u"pf", u"qu", u"rü", u"sch", u"str", u"tion", u"ung", u"ver", u"wor", u"ze",
            u"ñe", u"ás", u"cie", u"lla", u"ough", u"th", u"er", u"an", u"ss", u"ight", u"ow", u"ly",
            u"ness", u"ful", u"ö", u"sp"};
        static const std::array<const char16_t *, 40> french = {
            u"é", u"è", u"ê", u"à", u"ç", u"ou", u"eau", u"ille", u"tion", u"que", u"ment", u"pré",
            u"dé", u"con", u"tr", u"ai", u"oi", u"an", u"en", u"on", u"ur", u"gn", u"ss", u"ch",
            u"ô", u"î", u"ù", u"œu", u"ro", u"la", u"ve", u"ri", u"po", u"mi", u"su", u"te",
            u"bl", u"cl", u"fr", u"gr"};
        return QString::fromUtf16(lang == kForeign ? pick(foreign) : pick(french));
    }

    void makeStems()
    {
        // Many words grow from a few thousand beginnings: neighbours in a
        // sorted column share their first letters, as in real vocabulary.
        for (Language lang : {kForeign, kFrench}) {
            auto &stems = m_stems[lang];
            for (int i = 0; i < 3000; ++i) {
                QString s;
                const int n = 1 + int(below(3));
                for (int k = 0; k < n; ++k)
                    s += syllable(lang);
                stems.push_back(s);
            }
        }
    }

    QString word(Language lang)
    {
        QString w = m_stems[lang][below(std::uint32_t(m_stems[lang].size()))];
        const int n = int(below(4));
        for (int k = 0; k < n; ++k)
            w += syllable(lang);
        // Now and then the German sharp s, which sorts as "ss".
        if (lang == kForeign && below(100) == 0)
            w += QStringLiteral("ße");
        return w;
    }

    QString term(Language lang)
    {
        static const std::array<const char16_t *, 6> foreignArticles = {u"the ", u"der ", u"die ", u"das ",
                                                                         u"to ", u"a "};
        static const std::array<const char16_t *, 5> frenchArticles = {u"le ", u"la ", u"l'", u"les ",
                                                                       u"un "};
        QString t;
        const std::uint32_t shape = below(100);
        if (shape < 35)
            t = QString::fromUtf16(lang == kForeign ? pick(foreignArticles) : pick(frenchArticles));
        t += word(lang);
        // Phrases: a word or a few more, separated by blanks.
        const int more = shape < 55 ? 0 : shape < 85 ? 1 : shape < 95 ? 2 : 4;
        for (int k = 0; k < more; ++k) {
            t += u' ';
            t += word(lang);
        }
        if (below(100) < 15 && !t.isEmpty())
            t[0] = t[0].toUpper();
        if (t.size() > 40)
            t.truncate(40);
        while (t.size() < 3)
            t += syllable(lang);
        return t.trimmed().size() >= 3 ? t : t + QStringLiteral("ion");
    }

    std::uint64_t m_state;
    std::array<std::vector<QString>, 2> m_stems;
};

} // namespace bench
