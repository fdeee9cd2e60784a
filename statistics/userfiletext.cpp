#include "statistics/userfiletext.h"

#include "platform/encoding.h"
#include "platform/fileio.h"
#include "platform/linelist.h"

namespace statistics {
namespace {

constexpr QStringView kLineEnd = u"\r\n";

} // namespace

UserFileText UserFileText::fromBytes(QByteArrayView bytes)
{
    UserFileText file;
    QString decoded = plat::decodeFileText(bytes);
    const char16_t *s = reinterpret_cast<const char16_t *>(decoded.constData());
    const qsizetype n = decoded.size();
    // Most files end every line with CR LF: their decoded text is kept as it
    // is. From the first other line end on, the text is rebuilt.
    QString rebuilt;
    bool rebuilding = false;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = s[i];
        if (c > u'\r') {
            ++i;
            continue;
        }
        if (c == 0)
            break;
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        const bool crlf = c == u'\r' && i + 1 < n && s[i + 1] == u'\n';
        if (!crlf && !rebuilding) {
            rebuilt.reserve(n + 2);
            rebuilt.append(QStringView(s, start));
            rebuilding = true;
        }
        if (rebuilding) {
            rebuilt.append(QStringView(s + start, i - start));
            rebuilt.append(kLineEnd);
        }
        file.measureLine(file.m_starts.size() - 1, i - start);
        i += crlf ? 2 : 1;
        start = i;
        file.m_starts.append(rebuilding ? rebuilt.size() : start);
    }
    const bool lastLineOpen = i > start;
    if (lastLineOpen)
        file.measureLine(file.m_starts.size() - 1, i - start);
    if (rebuilding) {
        if (lastLineOpen) {
            rebuilt.append(QStringView(s + start, i - start));
            rebuilt.append(kLineEnd);
        }
        file.m_text = std::move(rebuilt);
    } else {
        // Whatever follows a NUL is no part of the text.
        decoded.truncate(i);
        if (lastLineOpen)
            decoded.append(kLineEnd);
        file.m_text = std::move(decoded);
    }
    if (lastLineOpen)
        file.m_starts.append(file.m_text.size());
    return file;
}

void UserFileText::loadFromFile(const QString &path)
{
    *this = fromBytes(plat::readFileBytes(path));
}

QByteArray UserFileText::toBytes() const
{
    return plat::encodeText(m_text);
}

void UserFileText::saveToFile(const QString &path) const
{
    plat::writeFile(path, toBytes());
}

QStringView UserFileText::line(qsizetype i) const
{
    const qsizetype begin = m_starts.at(i);
    const QChar *s = m_text.constData();
    // The last character before the next line is the line end's last.
    qsizetype end = m_starts.at(i + 1) - 1;
    if (s[end] == u'\n' && end > begin && s[end - 1] == u'\r')
        --end;
    return QStringView(s + begin, end - begin);
}

QString UserFileText::memoLine(qsizetype i) const
{
    return (i >= 0 && i < count()) ? line(i).toString() : QString();
}

QStringList UserFileText::lines() const
{
    QStringList out;
    out.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        out.append(line(i).toString());
    return out;
}

void UserFileText::measureLine(qsizetype line, qsizetype length)
{
    if (length > m_longestLength) {
        m_longestLength = length;
        m_longest = line;
    }
}

void UserFileText::append(const QStringList &lines)
{
    const qsizetype from = m_text.size();
    qsizetype size = from;
    for (const QString &l : lines)
        size += l.size() + kLineEnd.size();
    // One growth of the text for all the lines, not one per line.
    m_text.reserve(size);
    for (const QString &l : lines) {
        m_text.append(l);
        m_text.append(kLineEnd);
    }
    m_starts.reserve(m_starts.size() + lines.size());
    indexFrom(from);
}

void UserFileText::truncate(qsizetype lines)
{
    if (lines < 0 || lines >= count())
        return;
    m_text.truncate(m_starts.at(lines));
    m_starts.resize(lines + 1);
    if (m_longest >= lines) {
        m_longest = -1;
        m_longestLength = -1;
        for (qsizetype i = 0; i < lines; ++i)
            measureLine(i, line(i).size());
    }
}

void UserFileText::indexFrom(qsizetype from)
{
    const char16_t *s = reinterpret_cast<const char16_t *>(m_text.constData());
    const qsizetype n = m_text.size();
    for (qsizetype i = from; i < n;) {
        const char16_t c = s[i];
        if (c == u'\r' || c == u'\n') {
            measureLine(count(), i - m_starts.last());
            i += (c == u'\r' && i + 1 < n && s[i + 1] == u'\n') ? 2 : 1;
            m_starts.append(i);
        } else {
            ++i;
        }
    }
}

} // namespace statistics
