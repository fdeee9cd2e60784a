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

// The text of a sheet file as a line list reads it: up to its first NUL.
QString sheetText(QByteArrayView bytes)
{
    if (!plat::isUtf16WithBom(bytes)) {
        const qsizetype nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes = bytes.first(nul);
    }
    return plat::decodeText(bytes);
}

// Where each line of a text starts and ends, by the rules of line lists: CR LF,
// CR and LF each end a line, a final line end adds no line, NUL ends the text.
struct Span {
    qsizetype start, size;
};

void lineSpans(QStringView text, std::vector<Span> &spans)
{
    spans.clear();
    const qsizetype n = text.size();
    const char16_t *s = reinterpret_cast<const char16_t *>(text.data());
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = s[i];
        if (c == u'\r' || c == u'\n') {
            spans.push_back({start, i - start});
            i += (c == u'\r' && i + 1 < n && s[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else if (c == 0) {
            break;
        } else {
            ++i;
        }
    }
    if (i > start)
        spans.push_back({start, i - start});
}

void appendLine(QString &out, QStringView line)
{
    out += line;
    out += QLatin1String("\r\n");
}

} // namespace

QString mixSheets(const QString &title, const QStringList &paths)
{
    // Lines are copied as spans of each sheet's text rather than as one
    // string each: a dictionary of a million pairs is built in one pass.
    // Room for the whole dictionary at once, from the sizes of the files:
    // growing a text of many megabytes step by step copies it again and again.
    qint64 expected = title.size() + 2;
    for (const QString &path : paths)
        expected += QFileInfo(plat::hostPath(path)).size();
    QString out;
    out.reserve(qsizetype(std::min<qint64>(expected, qint64(1) << 28)));
    appendLine(out, title);
    std::vector<Span> spans;
    for (const QString &path : paths) {
        const QString text = sheetText(plat::readFileBytes(path));
        lineSpans(text, spans);
        const qsizetype pairs = sheets::pairCount(qsizetype(spans.size()));
        for (qsizetype k = 1; k <= 2 * pairs; ++k)
            appendLine(out, QStringView(text).sliced(spans[k].start, spans[k].size));
    }
    return out;
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
