#include "platform/encoding.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

namespace plat {
namespace {

// Reverse lookup of a character to its Windows-1252 byte; -1 when absent.
int toWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kWindows1252High[i] == c)
            return 0x80 + i;
    return -1;
}

// Whether the eight bytes from s are all ASCII, read as one word.
bool asciiWord(const unsigned char *s)
{
    quint64 word;
    std::memcpy(&word, s, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

// Whether the eight characters from s are each their own Windows-1252
// byte: below 0x80, or from 0xA0 to 0xFF.
bool ownBytesEight(const char16_t *s)
{
    unsigned other = 0;
    for (int k = 0; k < 8; ++k)
        other |= unsigned(s[k] >> 8) | unsigned(char16_t(s[k] - 0x80) < 0x20);
    return other == 0;
}

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString(0, Qt::Uninitialized);
    // Outside 0x80..0x9F the code page is Latin-1, which Qt converts fastest;
    // the few bytes within are mended after.
    QString out = QString::fromLatin1(bytes);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    // Eight bytes at a time, a word at a time: most accented letters of a
    // sheet (é, à, ç) lie above 0x9F and need no mending, so only a byte of
    // 0x80..0x9F, one whose top three bits are 100, stops the word.
    for (; i + 8 <= n; i += 8) {
        quint64 w;
        std::memcpy(&w, s + i, sizeof w);
        const quint64 t = (w & 0xE0E0E0E0E0E0E0E0ULL) ^ 0x8080808080808080ULL;
        if (((t - 0x0101010101010101ULL) & ~t & 0x8080808080808080ULL) == 0)
            continue;
        for (int k = 0; k < 8; ++k)
            d[i + k] = windows1252Char(s[i + k]);
    }
    for (; i < n; ++i)
        d[i] = windows1252Char(s[i]);
    return out;
}

namespace {

enum class Utf8Scan { Invalid, Ascii, NonAscii };

// Where a sequence cut by the end of the bytes starts, or size() when the
// bytes end on a whole character. Only used on chunks of a longer text.
qsizetype cutSequenceStart(QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= n; ++back) {
        const unsigned char b = s[n - back];
        if ((b & 0xC0) == 0x80)
            continue; // a continuation byte: look further back
        const int len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return len > back ? n - back : n;
    }
    return n;
}

// The length of the UTF-8 sequence that starts with the non-ASCII byte at
// s[i], or 0 when no valid one does: overlong forms, surrogates and values
// beyond Unicode are not UTF-8.
int utf8SequenceAt(const unsigned char *s, qsizetype i, qsizetype n)
{
    const unsigned char b = s[i];
    int len;
    char32_t cp;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        cp = b & 0x07;
    } else {
        return 0;
    }
    if (i + len > n)
        return 0;
    for (int k = 1; k < len; ++k) {
        const unsigned char c = s[i + k];
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// The verdict on the bytes; `stop` is told where an invalid sequence starts.
Utf8Scan scanUtf8(QByteArrayView bytes, qsizetype *stop = nullptr)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    bool nonAscii = false;
    qsizetype i = 0;
    while (i < n) {
        if (i + 8 <= n && asciiWord(s + i)) {
            i += 8;
            continue;
        }
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        const int len = utf8SequenceAt(s, i, n);
        if (len == 0) {
            if (stop)
                *stop = i;
            return Utf8Scan::Invalid;
        }
        i += len;
    }
    return nonAscii ? Utf8Scan::NonAscii : Utf8Scan::Ascii;
}

} // namespace

bool isUtf8WithNonAscii(QByteArrayView bytes)
{
    return scanUtf8(bytes) == Utf8Scan::NonAscii;
}

bool readsAsUtf8(QByteArrayView bytes)
{
    // Whatever follows a NUL is no part of the text, but it can only make
    // valid bytes before it look invalid (a cut sequence is invalid either
    // way), never the reverse: the whole bytes decide unless a NUL comes
    // before the fault.
    qsizetype stop = bytes.size();
    const Utf8Scan scan = scanUtf8(bytes, &stop);
    const qsizetype nul = bytes.first(stop).indexOf('\0');
    if (nul >= 0)
        return isUtf8WithNonAscii(bytes.first(nul));
    return scan == Utf8Scan::NonAscii;
}

bool isValidUtf8(QByteArrayView bytes)
{
    return scanUtf8(bytes) != Utf8Scan::Invalid;
}

QByteArray mendUtf8(QByteArrayView bytes, const std::function<void(qsizetype)> &mended)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    QByteArray out;
    out.reserve(n + n / 8);
    qsizetype i = 0, copied = 0;
    while (i < n) {
        if (i + 8 <= n && asciiWord(s + i)) {
            i += 8;
            continue;
        }
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        if (const int len = utf8SequenceAt(s, i, n)) {
            i += len;
            continue;
        }
        out.append(bytes.sliced(copied, i - copied));
        out.append(QString(QChar(windows1252Char(s[i]))).toUtf8());
        mended(i);
        copied = ++i;
    }
    out.append(bytes.sliced(copied));
    return out;
}

bool Utf8Checker::feed(QByteArrayView chunk)
{
    if (!m_valid)
        return false;
    QByteArray joined;
    if (!m_carry.isEmpty()) {
        joined = m_carry;
        joined.append(chunk);
        chunk = joined;
    }
    const qsizetype whole = cutSequenceStart(chunk);
    const Utf8Scan scan = scanUtf8(chunk.first(whole));
    m_carry = chunk.sliced(whole).toByteArray();
    if (scan == Utf8Scan::Invalid)
        m_valid = false;
    else if (scan == Utf8Scan::NonAscii)
        m_nonAscii = true;
    return m_valid;
}

bool Utf8Checker::isUtf8WithNonAscii() const
{
    return m_valid && m_carry.isEmpty() && m_nonAscii;
}

bool isUtf16WithBom(QByteArrayView bytes)
{
    // Whole code units only: Windows-1252 text that happens to open with
    // "ÿþ" is not taken for UTF-16 as often.
    return bytes.size() % 2 == 0 && (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"));
}

QString decodeSingleByteText(QByteArrayView bytes)
{
    if (isUtf8WithNonAscii(bytes))
        return QString::fromUtf8(bytes);
    return fromWindows1252(bytes);
}

QString decodeText(QByteArrayView bytes)
{
    if (isUtf16WithBom(bytes)) {
        // Every 16-bit unit is kept as it is, a lone surrogate included, so
        // that the text saves back unchanged.
        const bool little = bytes.startsWith("\xFF\xFE");
        const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
        QString out((bytes.size() - 2) / 2, Qt::Uninitialized);
        char16_t *d = reinterpret_cast<char16_t *>(out.data());
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
            *d++ = little ? char16_t(s[i] | (s[i + 1] << 8)) : char16_t((s[i] << 8) | s[i + 1]);
        return out;
    }
    return decodeSingleByteText(bytes);
}

QString decodeFileText(QByteArrayView bytes)
{
    if (isUtf16WithBom(bytes))
        return decodeText(bytes);
    const qsizetype nul = bytes.indexOf('\0');
    return decodeSingleByteText(nul >= 0 ? bytes.first(nul) : bytes);
}

bool fitsWindows1252(QStringView text)
{
    const char16_t *s = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        if (ownBytesEight(s + i))
            continue;
        for (int k = 0; k < 8; ++k) {
            if (toWindows1252(s[i + k]) < 0)
                return false;
        }
    }
    for (; i < n; ++i) {
        if (toWindows1252(s[i]) < 0)
            return false;
    }
    return true;
}

namespace {

bool hasLoneSurrogate(QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

QByteArray utf16le(QStringView text)
{
    QByteArray out(2 + 2 * text.size(), Qt::Uninitialized);
    char *d = out.data();
    *d++ = '\xFF';
    *d++ = '\xFE';
    for (QChar c : text) {
        *d++ = char(c.unicode() & 0xFF);
        *d++ = char(c.unicode() >> 8);
    }
    return out;
}

QByteArray utf8(QStringView text)
{
    if (hasLoneSurrogate(text))
        return utf16le(text);
    // A text that itself begins with a byte-order mark keeps it only if a
    // mark is written before it: reading drops the first one.
    if (!text.isEmpty() && text.front() == QChar(0xFEFF))
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    return text.toUtf8();
}

} // namespace

bool toWindows1252Bytes(QStringView text, char *out)
{
    const char16_t *s = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    // Eight characters at a time: in a sheet of accented words few blocks
    // of eight are plain ASCII, but most are characters that are their own
    // byte.
    for (; i + 8 <= n; i += 8) {
        if (ownBytesEight(s + i)) {
            for (int k = 0; k < 8; ++k)
                out[i + k] = char(s[i + k]);
            continue;
        }
        for (int k = 0; k < 8; ++k) {
            const int b = toWindows1252(s[i + k]);
            if (b < 0)
                return false;
            out[i + k] = char(b);
        }
    }
    for (; i < n; ++i) {
        const int b = toWindows1252(s[i]);
        if (b < 0)
            return false;
        out[i] = char(b);
    }
    return true;
}

QByteArray encodeText(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    if (!toWindows1252Bytes(text, out.data()))
        return utf8(text);
    // "Ã©" in Windows-1252 is the UTF-8 of "é": such bytes would be read back
    // as another text, so they are written as UTF-8, which reads back as is.
    if (isUtf8WithNonAscii(out))
        return utf8(text);
    // Likewise a text opening with "ÿþ" or "þÿ" would be read back as UTF-16.
    if (isUtf16WithBom(out))
        return utf8(text);
    return out;
}

void encodeTextPieces(QStringView text, const std::function<void(QByteArrayView)> &take, qsizetype piece)
{
    // Pieces of the text, never cutting a surrogate pair in two.
    const auto pieceLength = [&](qsizetype at, qsizetype size) {
        qsizetype n = std::min(size, text.size() - at);
        if (at + n < text.size() && text[at + n - 1].isHighSurrogate())
            n += n > 1 ? -1 : 1;
        return n;
    };
    const auto forEachPiece = [&](qsizetype size, const auto &each) {
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype n = pieceLength(at, size);
            each(text.sliced(at, n));
            at += n;
        }
    };
    QByteArray buffer;
    if (fitsWindows1252(text)) {
        buffer.resize(std::min(piece, text.size()));
        const auto encode = [&](QStringView part) {
            toWindows1252Bytes(part, buffer.data());
            return QByteArrayView(buffer.constData(), part.size());
        };
        // The bytes are judged as encodeText judges them, piece by piece:
        // bytes that would read back as UTF-8 or UTF-16 go as UTF-8. Text
        // with an accent usually shows in its first piece that it is not.
        Utf8Checker checker;
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype n = pieceLength(at, piece);
            if (!checker.feed(encode(text.sliced(at, n))))
                break;
            at += n;
        }
        const bool utf16Look = text.size() % 2 == 0 && text.size() >= 2
            && ((text[0] == u'\u00FF' && text[1] == u'\u00FE') || (text[0] == u'\u00FE' && text[1] == u'\u00FF'));
        if (!checker.isUtf8WithNonAscii() && !utf16Look) {
            forEachPiece(piece, [&](QStringView part) { take(encode(part)); });
            return;
        }
    }
    if (hasLoneSurrogate(text)) {
        take("\xFF\xFE");
        forEachPiece(piece / 2 + 1, [&](QStringView part) { take(utf16le(part).sliced(2)); });
        return;
    }
    if (!text.isEmpty() && text.front() == QChar(0xFEFF))
        take("\xEF\xBB\xBF");
    forEachPiece(piece / 3 + 1, [&](QStringView part) { take(part.toUtf8()); });
}

} // namespace plat
