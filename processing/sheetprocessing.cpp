#include "processing/sheetprocessing.h"

#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "sheets/sheet.h"

#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace processing {

qsizetype cifColumnSplit(qsizetype lineCount)
{
    // Integer division truncates toward zero as Int does: 3 lines give
    // Int(-0.5) = 0, one line Int(-1.5) = -1.
    return (lineCount - 4) / 2;
}

QStringList sheetFromCif(const plat::LineList &cif)
{
    const qsizetype n = cifColumnSplit(cif.count());
    QStringList sheet;
    sheet.reserve(n >= 0 ? 2 * n + 3 : 1);
    sheet.append(cif.memoLine(0));
    // One round more than there are pairs: its first line is the line after
    // the first column, kept as the sheet's last line; the line it pairs
    // with is dropped again below.
    for (qsizetype k = 0; k <= n; ++k) {
        sheet.append(cif.memoLine(k + 1));
        sheet.append(cif.memoLine(n + 3 + k));
    }
    sheet.removeLast();
    return sheet;
}

namespace {

// Where a line of a text starts and how long it is.
struct Span {
    qsizetype start, size;
};

template <typename Char>
void lineSpans(const Char *s, qsizetype n, std::vector<Span> &spans)
{
    spans.clear();
    plat::forEachLine(s, n, [&](qsizetype start, qsizetype length, qsizetype) { spans.push_back({start, length}); });
}

void putLine(QByteArray &out, const char *s, qsizetype n)
{
    out.append(s, n);
    out.append("\r\n", 2);
}

void putLine(QString &out, const char16_t *s, qsizetype n)
{
    out.append(reinterpret_cast<const QChar *>(s), n);
    out.append(QLatin1String("\r\n"));
}

// Lines 1 to 2 x pairs of a sheet, each followed by CR LF.
template <typename Out, typename Char>
void putPairs(Out &out, const Char *s, qsizetype n, std::vector<Span> &spans)
{
    lineSpans(s, n, spans);
    const qsizetype pairs = sheets::pairCount(qsizetype(spans.size()));
    for (qsizetype k = 1; k <= 2 * pairs; ++k)
        putLine(out, s + spans[k].start, spans[k].size);
}

// The Windows-1252 bytes of a text that fits the code page. encodeText
// would give UTF-8 for a text whose bytes read as UTF-8; one character alone
// never does.
QByteArray windows1252(QStringView text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i)
        out += plat::encodeText(text.sliced(i, 1));
    return out;
}

} // namespace

QByteArray mixSheets(const QString &title, const QStringList &paths, plat::Progress &progress)
{
    // Room for the whole dictionary at once, from the sizes of the files:
    // growing a text of many megabytes step by step copies it again and again.
    qint64 expected = title.size() + 2;
    for (const QString &path : paths)
        expected += QFileInfo(plat::hostPath(path)).size();
    const qsizetype room = qsizetype(std::min<qint64>(expected, qint64(1) << 28));

    // Sheets in Windows-1252, the common case, are copied as the bytes they
    // are; from the first sheet (or title) that needs more, the dictionary
    // is built as text and encoded at the end, as any line list is saved.
    std::vector<Span> spans;
    QByteArray bytes;
    QString text;
    bool asText = !plat::fitsWindows1252(title);
    if (asText) {
        text.reserve(room);
        putLine(text, reinterpret_cast<const char16_t *>(title.utf16()), title.size());
    } else {
        bytes.reserve(room);
        const QByteArray t = windows1252(title);
        putLine(bytes, t.constData(), t.size());
    }
    for (const QString &path : paths) {
        QByteArray raw = plat::readFileBytes(path);
        progress.step(qsizetype(1) << 10);
        QString decoded;
        bool is1252 = false;
        if (plat::isUtf16WithBom(raw)) {
            decoded = plat::decodeText(raw);
        } else {
            const qsizetype nul = raw.indexOf('\0');
            if (nul >= 0)
                raw.truncate(nul);
            is1252 = !plat::isUtf8WithNonAscii(raw);
            if (!is1252)
                decoded = QString::fromUtf8(raw);
        }
        if (!asText && is1252) {
            putPairs(bytes, raw.constData(), raw.size(), spans);
            continue;
        }
        if (!asText) {
            asText = true;
            text = plat::fromWindows1252(bytes);
            text.reserve(room);
            bytes = QByteArray();
        }
        if (is1252)
            decoded = plat::fromWindows1252(raw);
        putPairs(text, reinterpret_cast<const char16_t *>(decoded.utf16()), decoded.size(), spans);
    }
    if (asText)
        return plat::encodeText(text);
    // Bytes that would read back as UTF-8 or UTF-16 are saved as UTF-8, as
    // for any text.
    if (plat::isUtf8WithNonAscii(bytes) || plat::isUtf16WithBom(bytes))
        return plat::encodeText(plat::fromWindows1252(bytes));
    return bytes;
}

QString calculatorText(const QStringList &lines)
{
    static const QString tail = QStringLiteral("}") + kStoreArrow + QStringLiteral("main\\fiche");
    qsizetype size = 1 + tail.size();
    for (const QString &line : lines)
        size += line.size() + 3;
    QString text;
    text.reserve(size);
    text += QLatin1Char('{');
    for (const QString &line : lines) {
        text += QLatin1Char('"');
        text += line;
        text += QLatin1String("\",");
    }
    if (!lines.isEmpty())
        text.chop(1);
    text += tail;
    return text;
}

} // namespace processing
