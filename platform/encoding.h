#pragma once
#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

namespace plat {

// 0x80..0x9F of Windows-1252; outside them the code page is Latin-1. The five
// undefined bytes map to the C1 control of the same value so that they come
// back unchanged.
inline constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character of one Windows-1252 byte.
constexpr char16_t windows1252Char(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b);
}

// Files are Windows-1252. A file that is valid UTF-8 and holds at least one
// non-ASCII byte is read as UTF-8 instead. Every byte value survives a
// Windows-1252 round trip, including the five the code page leaves undefined.
QString decodeText(QByteArrayView bytes);

// The readable text of a whole file, the one rule of every reader: a UTF-16
// file is decoded whole; any other file ends at its first NUL byte, and what
// comes before it is decoded by decodeText's rule (never as UTF-16, even if
// the cut leaves an even number of bytes behind a mark).
QString decodeFileText(QByteArrayView bytes);

// Windows-1252 when every character fits, otherwise UTF-8 without a BOM, so a
// vocabulary in a script the code page lacks is kept rather than lost. A text
// holding a lone surrogate (read from a damaged UTF-16 file), which UTF-8
// cannot carry, is written as UTF-16 with its mark. Either way
// decodeFileText gives the same text back: Windows-1252 bytes that would read
// as UTF-8 are written as UTF-8 instead.
QByteArray encodeText(QStringView text);

// The bytes of encodeText handed over in pieces of at most about `piece`
// bytes, in order, so that a big text is never held a second time as bytes.
void encodeTextPieces(QStringView text, const std::function<void(QByteArrayView)> &take, qsizetype piece = 1 << 20);

// A byte-order mark of UTF-16, little or big endian, opens a file of whole
// 16-bit units. Such a file is read as UTF-16 (a "Unicode" text of Windows
// editors), and saved like any text, as Windows-1252 or UTF-8.
bool isUtf16WithBom(QByteArrayView bytes);

QString fromWindows1252(QByteArrayView bytes);
// UTF-8 when valid with a non-ASCII byte, else Windows-1252; no UTF-16 check.
QString decodeSingleByteText(QByteArrayView bytes);
bool fitsWindows1252(QStringView text);
// Writes the Windows-1252 byte of each character of the text to out (room
// for text.size() bytes); false, out partly written, when one does not fit.
bool toWindows1252Bytes(QStringView text, char *out);
bool isUtf8WithNonAscii(QByteArrayView bytes);
// Whether the text of a file that is not UTF-16 reads as UTF-8: the bytes
// before its first NUL pass isUtf8WithNonAscii. A Windows-1252 file usually
// shows it is not UTF-8 in its first words, long before any NUL is found.
bool readsAsUtf8(QByteArrayView bytes);
// Valid UTF-8, plain ASCII included.
bool isValidUtf8(QByteArrayView bytes);
// The bytes as valid UTF-8: each byte that starts no valid UTF-8 sequence
// stands for its Windows-1252 character, and `mended` is told its offset.
QByteArray mendUtf8(QByteArrayView bytes, const std::function<void(qsizetype)> &mended);

// isUtf8WithNonAscii over a text read in chunks, holding at most a cut
// character between them, so a big file is judged without keeping it.
class Utf8Checker {
public:
    // False once the bytes so far cannot be UTF-8.
    bool feed(QByteArrayView chunk);
    // The verdict on all the bytes fed.
    bool isUtf8WithNonAscii() const;

private:
    QByteArray m_carry;
    bool m_valid = true;
    bool m_nonAscii = false;
};

} // namespace plat
