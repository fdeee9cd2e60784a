#include "interchange/kvtmlscan.h"

#include <cstring>

namespace interchange {
namespace {

// Deeper nesting is no vocabulary; QXmlStreamReader reads it its own way.
constexpr size_t kMaxDepth = 256;

bool nameStart(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool nameChar(unsigned char c) { return nameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }
bool blank(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Characters XML 1.0 allows.
bool xmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

void append(std::u16string *out, char32_t c)
{
    if (!out)
        return;
    if (c < 0x10000) {
        out->push_back(char16_t(c));
    } else {
        out->push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
        out->push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
}

bool startsWith(const char *p, const char *end, const char *s)
{
    const size_t n = std::strlen(s);
    return size_t(end - p) >= n && std::memcmp(p, s, n) == 0;
}

} // namespace

KvtmlScanner::KvtmlScanner(QByteArrayView bytes) : m_p(bytes.data()), m_end(bytes.data() + bytes.size())
{
    m_attributes.m_scanner = this;
}

char32_t KvtmlScanner::utf8(const char *&p, const char *end) const
{
    const auto b = [&](ptrdiff_t i) { return (unsigned char)p[i]; };
    const unsigned char c = b(0);
    int len = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (len == 0 || end - p < len)
        throw Outside();
    char32_t v = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
    for (int i = 1; i < len; ++i) {
        if ((b(i) & 0xC0) != 0x80)
            throw Outside();
        v = (v << 6) | (b(i) & 0x3F);
    }
    // Overlong forms and surrogates are not UTF-8; the rest XML refuses.
    if ((len == 3 && v < 0x800) || (len == 4 && v < 0x10000) || !xmlChar(v))
        throw Outside();
    p += len;
    return v;
}

char32_t KvtmlScanner::reference(const char *&p, const char *end) const
{
    const char *semicolon = static_cast<const char *>(std::memchr(p, ';', size_t(std::min<ptrdiff_t>(end - p, 12))));
    if (!semicolon)
        throw Outside();
    const QByteArrayView ref(p + 1, semicolon - p - 1);
    p = semicolon + 1;
    if (ref == "lt")
        return '<';
    if (ref == "gt")
        return '>';
    if (ref == "amp")
        return '&';
    if (ref == "quot")
        return '"';
    if (ref == "apos")
        return '\'';
    if (ref.size() < 2 || ref[0] != '#')
        throw Outside();
    const bool hex = ref[1] == 'x';
    const QByteArrayView digits = ref.sliced(hex ? 2 : 1);
    if (digits.isEmpty() || digits.size() > 7)
        throw Outside();
    char32_t v = 0;
    for (const char d : digits) {
        int n;
        if (d >= '0' && d <= '9')
            n = d - '0';
        else if (hex && d >= 'a' && d <= 'f')
            n = d - 'a' + 10;
        else if (hex && d >= 'A' && d <= 'F')
            n = d - 'A' + 10;
        else
            throw Outside();
        v = v * (hex ? 16 : 10) + char32_t(n);
    }
    if (!xmlChar(v))
        throw Outside();
    return v;
}

bool KvtmlScanner::blankAt() const { return m_p < m_end && blank((unsigned char)*m_p); }

// After a name: blanks, "=", blanks and the opening quote, which is returned.
char KvtmlScanner::openValue()
{
    skipBlanks();
    if (m_p >= m_end || *m_p != '=')
        throw Outside();
    ++m_p;
    skipBlanks();
    if (m_p >= m_end || (*m_p != '"' && *m_p != '\''))
        throw Outside();
    return *m_p++;
}

void KvtmlScanner::skipBlanks()
{
    while (blankAt())
        ++m_p;
}

QByteArrayView KvtmlScanner::readName()
{
    const char *start = m_p;
    if (m_p >= m_end || !nameStart((unsigned char)*m_p))
        throw Outside();
    while (m_p < m_end && nameChar((unsigned char)*m_p))
        ++m_p;
    const QByteArrayView name(start, m_p - start);
    // Names with a prefix belong to namespaces, and "xml..." names are
    // reserved.
    if ((m_p < m_end && *m_p == ':') || QLatin1StringView(name).startsWith(QLatin1StringView("xml"), Qt::CaseInsensitive))
        throw Outside();
    return name;
}

void KvtmlScanner::readDeclaration()
{
    // <?xml version="1.0" encoding="UTF-8" standalone="yes"?>, the last two
    // optional.
    m_p += 5;
    const auto pseudoAttribute = [&](const char *name, bool required) -> QByteArrayView {
        const char *at = m_p;
        skipBlanks();
        if (m_p == at || !startsWith(m_p, m_end, name)) {
            if (required)
                throw Outside();
            m_p = at;
            return {};
        }
        m_p += std::strlen(name);
        const char quote = openValue();
        const char *close = static_cast<const char *>(std::memchr(m_p, quote, size_t(std::min<ptrdiff_t>(m_end - m_p, 40))));
        if (!close)
            throw Outside();
        const QByteArrayView value(m_p, close - m_p);
        m_p = close + 1;
        return value;
    };
    if (pseudoAttribute("version", true) != "1.0")
        throw Outside();
    const QByteArrayView encoding = pseudoAttribute("encoding", false);
    if (!encoding.isNull() && QLatin1StringView(encoding).compare(QLatin1StringView("UTF-8"), Qt::CaseInsensitive) != 0)
        throw Outside();
    const QByteArrayView standalone = pseudoAttribute("standalone", false);
    if (!standalone.isNull() && standalone != "yes" && standalone != "no")
        throw Outside();
    skipBlanks();
    if (!startsWith(m_p, m_end, "?>"))
        throw Outside();
    m_p += 2;
}

void KvtmlScanner::readDoctype()
{
    // <!DOCTYPE kvtml PUBLIC "public id" "system id">, or SYSTEM "system id",
    // or the name alone.
    m_p += 9;
    if (!blankAt())
        throw Outside();
    skipBlanks();
    readName();
    // Both literals hold what identifiers and addresses hold, nothing
    // QXmlStreamReader might read otherwise.
    const auto literal = [&] {
        if (!blankAt())
            throw Outside();
        skipBlanks();
        if (m_p >= m_end || (*m_p != '"' && *m_p != '\''))
            throw Outside();
        const char quote = *m_p++;
        for (; m_p < m_end && *m_p != quote; ++m_p) {
            const unsigned char c = (unsigned char)*m_p;
            if (c == 0 || !(nameChar(c) || c == ' ' || std::strchr("'()+,/:=?;!*#@$%~", c)))
                throw Outside();
        }
        if (m_p >= m_end)
            throw Outside();
        ++m_p;
    };
    const char *at = m_p;
    skipBlanks();
    if (startsWith(m_p, m_end, "PUBLIC")) {
        m_p += 6;
        literal();
        literal();
    } else if (startsWith(m_p, m_end, "SYSTEM")) {
        m_p += 6;
        literal();
    } else {
        m_p = at;
    }
    skipBlanks();
    if (m_p >= m_end || *m_p != '>')
        throw Outside();
    ++m_p;
}

void KvtmlScanner::readComment()
{
    m_p += 4;
    for (const char *p = m_p;;) {
        const char *dash = static_cast<const char *>(std::memchr(p, '-', size_t(m_end - p)));
        if (!dash || m_end - dash < 3)
            throw Outside();
        for (const char *q = p; q < dash;) {
            if ((unsigned char)*q < 0x20 && !blank((unsigned char)*q))
                throw Outside();
            if ((unsigned char)*q < 0x80)
                ++q;
            else
                utf8(q, dash);
        }
        if (dash[1] == '-') {
            if (dash[2] != '>')
                throw Outside();
            m_p = dash + 3;
            return;
        }
        p = dash + 1;
    }
}

void KvtmlScanner::readCData(std::u16string *text)
{
    m_p += 9;
    const char *p = m_p;
    while (true) {
        if (p >= m_end)
            throw Outside();
        const unsigned char c = (unsigned char)*p;
        if (c == ']' && startsWith(p, m_end, "]]>"))
            break;
        if (c == '\r') {
            append(text, '\n');
            p += p + 1 < m_end && p[1] == '\n' ? 2 : 1;
        } else if (c < 0x20 && !blank(c)) {
            throw Outside();
        } else if (c < 0x80) {
            append(text, c);
            ++p;
        } else {
            append(text, utf8(p, m_end));
        }
    }
    m_p = p + 3;
}

void KvtmlScanner::readText(std::u16string *text)
{
    const char *p = m_p;
    while (p < m_end) {
        const unsigned char c = (unsigned char)*p;
        if (c >= 0x20 && c < 0x80 && c != '<' && c != '&' && c != ']') {
            // The common run: plain ASCII.
            const char *start = p++;
            while (p < m_end) {
                const unsigned char d = (unsigned char)*p;
                if (d < 0x20 || d >= 0x80 || d == '<' || d == '&' || d == ']')
                    break;
                ++p;
            }
            if (text)
                text->append(start, p);
            continue;
        }
        if (c == '<')
            break;
        if (c == '&') {
            append(text, reference(p, m_end));
        } else if (c == ']') {
            if (startsWith(p, m_end, "]]>"))
                throw Outside();
            append(text, c);
            ++p;
        } else if (c == '\r') {
            append(text, '\n');
            p += p + 1 < m_end && p[1] == '\n' ? 2 : 1;
        } else if (c == '\n' || c == '\t') {
            append(text, c);
            ++p;
        } else if (c < 0x20) {
            throw Outside();
        } else {
            append(text, utf8(p, m_end));
        }
    }
    m_p = p;
}

void KvtmlScanner::readAttributeValue(QByteArrayView value, std::u16string *out) const
{
    const char *p = value.data();
    const char *end = p + value.size();
    while (p < end) {
        const unsigned char c = (unsigned char)*p;
        // Blanks other than spaces are normalised in values: left to
        // QXmlStreamReader.
        if (c == '<' || c < 0x20)
            throw Outside();
        if (c == '&')
            append(out, reference(p, end));
        else if (c < 0x80)
            append(out, c), ++p;
        else
            append(out, utf8(p, end));
    }
}

void KvtmlScanner::readStartTag()
{
    ++m_p;
    const QByteArrayView name = readName();
    m_attributes.m_raw.clear();
    while (true) {
        const bool blanks = blankAt();
        skipBlanks();
        if (m_p >= m_end)
            throw Outside();
        if (*m_p == '>') {
            ++m_p;
            m_emptyElement = false;
            break;
        }
        if (*m_p == '/') {
            if (m_end - m_p < 2 || m_p[1] != '>')
                throw Outside();
            m_p += 2;
            m_emptyElement = true;
            break;
        }
        if (!blanks)
            throw Outside();
        const QByteArrayView attribute = readName();
        const char quote = openValue();
        const char *close = static_cast<const char *>(std::memchr(m_p, quote, size_t(m_end - m_p)));
        if (!close)
            throw Outside();
        const QByteArrayView value(m_p, close - m_p);
        readAttributeValue(value, nullptr);
        m_p = close + 1;
        for (const Attributes::Raw &a : m_attributes.m_raw) {
            if (a.name == attribute)
                throw Outside();
        }
        m_attributes.m_raw.push_back({attribute, value});
    }
    if (m_open.size() >= kMaxDepth)
        throw Outside();
    m_open.push_back(name);
    // The buffer is kept: an allocation a tag would cost as much as the
    // rest of its reading.
    m_name.resize(name.size());
    for (qsizetype i = 0; i < name.size(); ++i)
        m_name[i] = QLatin1Char(name[i]);
}

void KvtmlScanner::readEndTag()
{
    m_p += 2;
    const QByteArrayView name = readName();
    skipBlanks();
    if (m_p >= m_end || *m_p != '>' || m_open.empty() || m_open.back() != name)
        throw Outside();
    ++m_p;
}

KvtmlScanner::Token KvtmlScanner::readNext(std::u16string *text)
{
    if (m_emptyElement) {
        m_emptyElement = false;
        m_open.pop_back();
        m_rootClosed = m_open.empty();
        return Token::EndElement;
    }
    // Nothing is read past the root element's end.
    if (m_rootClosed)
        throw Outside();
    while (true) {
        readText(text);
        if (m_p >= m_end)
            throw Outside();
        if (startsWith(m_p, m_end, "</")) {
            readEndTag();
            m_open.pop_back();
            m_rootClosed = m_open.empty();
            return Token::EndElement;
        }
        if (startsWith(m_p, m_end, "<!--"))
            readComment();
        else if (startsWith(m_p, m_end, "<![CDATA["))
            readCData(text);
        else if (m_end - m_p > 1 && (m_p[1] == '!' || m_p[1] == '?'))
            throw Outside();
        else {
            readStartTag();
            return Token::StartElement;
        }
    }
}

void KvtmlScanner::readProlog()
{
    if (startsWith(m_p, m_end, "\xEF\xBB\xBF"))
        m_p += 3;
    if (startsWith(m_p, m_end, "<?xml") && m_end - m_p > 5 && blank((unsigned char)m_p[5]))
        readDeclaration();
    bool doctype = false;
    while (true) {
        skipBlanks();
        if (startsWith(m_p, m_end, "<!--")) {
            readComment();
        } else if (!doctype && startsWith(m_p, m_end, "<!DOCTYPE")) {
            readDoctype();
            doctype = true;
        } else if (m_end - m_p > 1 && *m_p == '<' && nameStart((unsigned char)m_p[1])) {
            readStartTag();
            return;
        } else {
            throw Outside();
        }
    }
}

void KvtmlScanner::readEpilog()
{
    if (!m_rootClosed)
        throw Outside();
    while (true) {
        skipBlanks();
        if (m_p >= m_end)
            return;
        if (!startsWith(m_p, m_end, "<!--"))
            throw Outside();
        readComment();
    }
}

bool KvtmlScanner::readNextStartElement()
{
    if (m_rootClosed && !m_emptyElement)
        return false;
    return readNext(nullptr) == Token::StartElement;
}

void KvtmlScanner::skipCurrentElement()
{
    for (int depth = 1; depth > 0;)
        depth += readNext(nullptr) == Token::StartElement ? 1 : -1;
}

QString KvtmlScanner::readElementText(QXmlStreamReader::ReadElementTextBehaviour)
{
    m_scratch.clear();
    for (int depth = 1; depth > 0;)
        depth += readNext(&m_scratch) == Token::StartElement ? 1 : -1;
    return QString(reinterpret_cast<const QChar *>(m_scratch.data()), qsizetype(m_scratch.size()));
}

QStringView KvtmlScanner::Attributes::value(QLatin1StringView name) const
{
    for (const Raw &a : m_raw) {
        if (QLatin1StringView(a.name) == name) {
            m_scanner->m_scratch.clear();
            m_scanner->readAttributeValue(a.value, &m_scanner->m_scratch);
            m_scanner->m_value = QString(reinterpret_cast<const QChar *>(m_scanner->m_scratch.data()),
                                         qsizetype(m_scanner->m_scratch.size()));
            return m_scanner->m_value;
        }
    }
    return {};
}

} // namespace interchange
