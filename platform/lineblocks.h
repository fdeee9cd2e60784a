#pragma once
// Sixteen units of text at a time: where its lines end, and Windows-1252
// bytes decoded on the way. Shared by the readers of whole files.
#include "platform/encoding.h"

#include <QtGlobal>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace plat::lineblocks {

// Line ends are looked for sixteen units at a time: a bit per unit, set for a
// CR, an LF or a NUL, but not for the LF of a CR LF within the sixteen, so
// that a line costs one step whatever its end.
inline constexpr qsizetype kBlock = 16;

inline unsigned lineMarks(unsigned nul, unsigned cr, unsigned lf)
{
    return (nul | cr | lf) & ~((cr << 1) & lf);
}

template<typename Char>
inline bool isLineMark(Char c)
{
    return c == Char(0) || c == Char('\n') || c == Char('\r');
}

#if defined(__SSE2__)
inline unsigned bits(__m128i bytes)
{
    return unsigned(_mm_movemask_epi8(bytes));
}

// Each comparison of sixteen units in two halves as sixteen bytes.
inline __m128i both(__m128i low, __m128i high)
{
    return _mm_packs_epi16(low, high);
}
#endif

// The marks of the sixteen units from s.
inline unsigned lineMarks(const char16_t *s)
{
#if defined(__SSE2__)
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + 8));
    const __m128i zero = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi16('\r');
    const __m128i lf = _mm_set1_epi16('\n');
    return lineMarks(bits(both(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero))),
                     bits(both(_mm_cmpeq_epi16(a, cr), _mm_cmpeq_epi16(b, cr))),
                     bits(both(_mm_cmpeq_epi16(a, lf), _mm_cmpeq_epi16(b, lf))));
#else
    unsigned nul = 0, cr = 0, lf = 0;
    for (int k = 0; k < kBlock; ++k) {
        nul |= unsigned(s[k] == 0) << k;
        cr |= unsigned(s[k] == u'\r') << k;
        lf |= unsigned(s[k] == u'\n') << k;
    }
    return lineMarks(nul, cr, lf);
#endif
}

// The sixteen Windows-1252 bytes from s decoded to d, with their marks. The
// code page is Latin-1 but for 0x80..0x9F, which are rare enough to be
// mended one by one afterwards.
inline unsigned decodeWindows1252Block(const uchar *s, char16_t *d)
{
#if defined(__SSE2__)
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s));
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i *>(d), _mm_unpacklo_epi8(v, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(d + 8), _mm_unpackhi_epi8(v, zero));
    // As signed bytes 0x80..0x9F are the only ones below 0xA0.
    unsigned high = bits(_mm_cmplt_epi8(v, _mm_set1_epi8(char(0xA0))));
    const unsigned marks = lineMarks(bits(_mm_cmpeq_epi8(v, zero)), bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r'))),
                                     bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
#else
    unsigned high = 0, nul = 0, cr = 0, lf = 0;
    for (int k = 0; k < kBlock; ++k) {
        d[k] = s[k];
        high |= unsigned(s[k] >= 0x80 && s[k] < 0xA0) << k;
        nul |= unsigned(s[k] == 0) << k;
        cr |= unsigned(s[k] == '\r') << k;
        lf |= unsigned(s[k] == '\n') << k;
    }
    const unsigned marks = lineMarks(nul, cr, lf);
#endif
    for (; high; high &= high - 1) {
        const int k = qCountTrailingZeroBits(high);
        d[k] = kWindows1252High[s[k] - 0x80];
    }
    return marks;
}

} // namespace plat::lineblocks
