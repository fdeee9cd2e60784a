#include "sheets/sheet.h"

namespace sheets {

QString sheetName(QStringView line)
{
    const qsizetype p = line.indexOf(kInfoStart);
    return (p < 0 ? line : line.first(p)).toString();
}

std::optional<QString> sheetInformation(QStringView line)
{
    const qsizetype p = line.indexOf(kInfoStart);
    if (p < 0)
        return std::nullopt;
    const qsizetype from = p + kInfoStart.size();
    // The end marker is searched from the start of the line: one that stands
    // in the name (or nowhere) leaves the information empty.
    const qsizetype q = line.indexOf(kInfoEnd);
    if (q <= from)
        return QString();
    return line.sliced(from, q - from).toString();
}

std::optional<QString> sheetPicture(QStringView line)
{
    const qsizetype r = line.indexOf(kPictureStart);
    if (r < 0)
        return std::nullopt;
    const qsizetype s = line.indexOf(kPictureEnd);
    if (s < 0)
        return std::nullopt;
    const qsizetype from = r + kPictureStart.size();
    if (s <= from)
        return QString();
    return line.sliced(from, s - from).toString();
}

TitleFields splitTitle(QStringView line)
{
    return {sheetName(line), sheetInformation(line), sheetPicture(line)};
}

bool isAnonymousTitle(QStringView line)
{
    return line.isEmpty() || line == u" ";
}

QString pairKey(qsizetype k)
{
    return QString::number(k).rightJustified(4, u'0');
}

Sheet Sheet::load(const QString &path)
{
    plat::LineList lines;
    lines.loadFromFile(path);
    return Sheet(std::move(lines));
}

} // namespace sheets
