// Any bytes may be a sheet or a settings file. Reading must not crash, a read
// list must save and read back to the same lines, and a Windows-1252 file must
// save back byte for byte. The editor's packed lines read and write exactly
// as a line list does, also when the text is encoded in small pieces, and
// a line list reads what splitting the whole decoded text gives.
#include "platform/encoding.h"
#include "platform/linelist.h"
#include "platform/packedlines.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = plat::LineList::parse(bytes);
    // The same lines as the plain way: the whole text decoded, then split.
    if (lines != plat::LineList::parseText(plat::decodeFileText(bytes)))
        std::abort();
    for (const QString &line : lines)
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n'))
            || line.contains(QChar(0)))
            std::abort();

    const plat::LineList list(lines);
    const QByteArray saved = list.toBytes();
    if (plat::LineList::parse(saved) != lines)
        std::abort();

    const plat::PackedLines packed = plat::PackedLines::parse(bytes);
    if (packed.lines() != lines || packed.toBytes() != saved)
        std::abort();
    QByteArray pieces;
    plat::encodeTextPieces(packed.toText(), [&](QByteArrayView piece) { pieces += piece; }, 7);
    if (pieces != saved)
        std::abort();

    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView text = nul >= 0 ? bytes.first(nul) : bytes;
    if (!plat::isUtf8WithNonAscii(text) && !plat::isUtf16WithBom(text)) {
        if (plat::encodeText(plat::decodeText(text)) != text)
            std::abort();
    }
    // Whatever was read comes back as the same text.
    const QString decoded = plat::decodeText(text);
    if (plat::decodeText(plat::encodeText(decoded)) != decoded)
        std::abort();
    return 0;
}
