#include "processing/sheetprocessing.h"

#include "sheets/sheet.h"

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

void appendPairs(QStringList &dictionary, const QStringList &sheetLines)
{
    const qsizetype pairs = sheets::pairCount(sheetLines.size());
    dictionary.append(sheetLines.mid(1, 2 * pairs));
}

plat::LineList mixSheets(const QString &title, const QStringList &paths)
{
    QStringList dictionary{title};
    plat::LineList sheet;
    for (const QString &path : paths) {
        sheet.loadFromFile(path);
        appendPairs(dictionary, sheet.lines());
    }
    return plat::LineList(std::move(dictionary));
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
