#include "statistics/userfiletext.h"

#include "platform/fileio.h"
#include "platform/linelist.h"

namespace statistics {

UserFileText UserFileText::fromBytes(QByteArrayView bytes)
{
    UserFileText file;
    file.m_lines = plat::PackedLines::parse(bytes);
    file.measureFrom(0);
    return file;
}

void UserFileText::loadFromFile(const QString &path)
{
    *this = fromBytes(plat::readFileBytes(path));
}

void UserFileText::saveToFile(const QString &path) const
{
    plat::writeFile(path, toBytes());
}

void UserFileText::append(const QStringList &lines)
{
    QList<QStringView> pieces;
    pieces.reserve(lines.size());
    for (const QString &l : lines) {
        // CR LF, CR and LF each end a piece; what follows the last is a
        // line of its own, empty or not.
        QStringView rest(l);
        for (qsizetype i = 0; i < rest.size();) {
            const QChar c = rest.at(i);
            if (c != u'\r' && c != u'\n') {
                ++i;
                continue;
            }
            pieces.append(rest.first(i));
            rest = rest.sliced(c == u'\r' && i + 1 < rest.size() && rest.at(i + 1) == u'\n' ? i + 2 : i + 1);
            i = 0;
        }
        pieces.append(rest);
    }
    const qsizetype from = count();
    m_lines.insert(from, pieces);
    measureFrom(from);
}

void UserFileText::truncate(qsizetype lines)
{
    if (lines < 0 || lines >= count())
        return;
    m_lines.remove(lines, count() - lines);
    if (m_longest >= lines) {
        m_longest = -1;
        measureFrom(0);
    }
}

void UserFileText::measureFrom(qsizetype line)
{
    qsizetype longest = m_longest < 0 ? -1 : m_lines.view(m_longest).size();
    for (qsizetype i = line; i < count(); ++i) {
        const qsizetype length = m_lines.view(i).size();
        if (length > longest) {
            longest = length;
            m_longest = i;
        }
    }
}

} // namespace statistics
