#include "interchange/kvtml.h"

#include "interchange/kvtmlscan.h"

#include "platform/encoding.h"
#include "platform/failure.h"
#include "sheets/sheet.h"
#include "sheets/sheetlanguage.h"

#include <QHash>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace interchange {
namespace {

// The encoding the XML declaration names, as written; empty without one.
QString declaredEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (!bytes.startsWith("<?xml"))
        return {};
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 256));
    const qsizetype end = head.indexOf("?>");
    const QByteArrayView declaration = end < 0 ? head : head.first(end);
    qsizetype i = declaration.indexOf("encoding");
    if (i < 0)
        return {};
    i += 8;
    while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '='))
        ++i;
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\''))
        return {};
    const char quote = declaration[i++];
    const qsizetype close = declaration.indexOf(quote, i);
    return close < 0 ? QString() : QString::fromLatin1(declaration.sliced(i, close - i)).trimmed();
}

bool isUtf8Name(const QString &encoding)
{
    return encoding.isEmpty() || encoding.compare(u"UTF-8", Qt::CaseInsensitive) == 0
        || encoding.compare(u"UTF8", Qt::CaseInsensitive) == 0;
}

// The entries below the root element, read the same way through
// QXmlStreamReader or through the quick scanner.
template <class Xml>
class KvtmlContent {
public:
    KvtmlContent(Xml &xml, plat::Progress &progress) : m_xml(xml), m_progress(progress)
    {
        m_table.kind = VocabularyTable::Kind::Kvtml;
    }

    VocabularyTable take() { return std::move(m_table); }

    void readRoot()
    {
        const auto &attributes = m_xml.attributes();
        m_table.title = attributes.value(QLatin1String("title")).toString();
        addInformation(attributes.value(QLatin1String("author")).toString());
        addInformation(attributes.value(QLatin1String("remark")).toString());
        addInformation(attributes.value(QLatin1String("comment")).toString());
        while (m_xml.readNextStartElement()) {
            const QStringView name = m_xml.name();
            if (name == u"information")
                readInformation();
            else if (name == u"identifiers")
                readIdentifiers();
            else if (name == u"entries")
                readEntries();
            else if (name == u"e")
                readEntry1();
            else if (name == u"lesson")
                readLesson1();
            else
                m_xml.skipCurrentElement();
        }
    }

private:
    // The text of the current element, its children's included.
    QString text()
    {
        QString s = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (s.size() > kMaxFieldChars)
            throw plat::Failure(QStringLiteral("Un texte du document, à la ligne %1, dépasse %2 caractères : ce "
                                               "n'est pas un terme de vocabulaire.")
                                    .arg(m_xml.lineNumber())
                                    .arg(kMaxFieldChars));
        return s;
    }

    void addInformation(const QString &text)
    {
        const QString s = text.trimmed();
        if (s.isEmpty())
            return;
        m_table.information += m_table.information.isEmpty() ? s : QStringLiteral(" - ") + s;
    }

    void readInformation()
    {
        while (m_xml.readNextStartElement()) {
            const QStringView name = m_xml.name();
            if (name == u"title")
                m_table.title = text();
            else if (name == u"author" || name == u"comment")
                addInformation(text());
            else
                m_xml.skipCurrentElement();
        }
    }

    qsizetype column(const QString &id)
    {
        const auto found = m_ids.constFind(id);
        if (found != m_ids.cend())
            return *found;
        const qsizetype k = m_table.names.size();
        if (k >= kMaxColumns)
            failTooManyColumns(m_xml.lineNumber(), true);
        m_ids.insert(id, k);
        m_table.names.append(QString());
        m_table.locales.append(QString());
        return k;
    }

    void readIdentifiers()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"identifier") {
                m_xml.skipCurrentElement();
                continue;
            }
            const qsizetype k = column(m_xml.attributes().value(QLatin1String("id")).toString());
            QString name, locale;
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == u"name")
                    name = text().trimmed();
                else if (m_xml.name() == u"locale")
                    locale = text().trimmed();
                else
                    m_xml.skipCurrentElement();
            }
            m_table.names[k] = name.isEmpty() || locale.isEmpty() ? name + locale
                                                                  : name + QStringLiteral(" (") + locale + u')';
            m_table.locales[k] = locale;
        }
    }

    void setCell(qsizetype k, const QString &s)
    {
        if (k >= kMaxColumns)
            failTooManyColumns(m_xml.lineNumber(), true);
        while (m_cells.size() <= k)
            m_cells.append(QString());
        m_cells[k] = s;
    }

    void addEntry()
    {
        m_table.addRow(m_cells);
        m_cells.clear();
        m_progress.step(64);
    }

    void readEntries()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"entry") {
                m_xml.skipCurrentElement();
                continue;
            }
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() != u"translation") {
                    m_xml.skipCurrentElement();
                    continue;
                }
                const qsizetype k = column(m_xml.attributes().value(QLatin1String("id")).toString());
                // Only the translation's own text: conjugations, comparisons
                // and examples hold <text> elements of their own.
                while (m_xml.readNextStartElement()) {
                    if (m_xml.name() == u"text")
                        setCell(k, text());
                    else
                        m_xml.skipCurrentElement();
                }
            }
            addEntry();
        }
    }

    // Version 1: <o> the original, each <t> a translation; the language
    // codes stand in their "l" attributes, usually on the first entry only.
    void readEntry1()
    {
        qsizetype k = 0;
        while (m_xml.readNextStartElement()) {
            const QStringView name = m_xml.name();
            if (name != u"o" && name != u"t") {
                m_xml.skipCurrentElement();
                continue;
            }
            if (name == u"t" && k == 0)
                k = 1;
            if (k >= kMaxColumns)
                failTooManyColumns(m_xml.lineNumber(), true);
            const QString locale = m_xml.attributes().value(QLatin1String("l")).toString().trimmed();
            while (m_table.names.size() <= k) {
                m_table.names.append(QString());
                m_table.locales.append(QString());
            }
            if (!locale.isEmpty() && m_table.locales[k].isEmpty()) {
                m_table.locales[k] = locale;
                m_table.names[k] = locale;
            }
            setCell(k++, text());
        }
        addEntry();
    }

    // Lessons of version 1 hold their descriptions; entries are found in
    // them too, for documents that nest them.
    void readLesson1()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"e")
                readEntry1();
            else
                m_xml.skipCurrentElement();
        }
    }

    Xml &m_xml;
    plat::Progress &m_progress;
    VocabularyTable m_table;
    QHash<QString, qsizetype> m_ids;
    QStringList m_cells;
};

class KvtmlReader {
public:
    KvtmlReader(QByteArrayView bytes, plat::Progress &progress) : m_bytes(bytes), m_content(m_xml, progress)
    {
        m_xml.addData(QByteArray::fromRawData(bytes.data(), bytes.size()));
    }
    // A text already decoded: the encoding its declaration names, if any,
    // is no longer the text's.
    KvtmlReader(const QString &text, plat::Progress &progress) : m_content(m_xml, progress)
    {
        m_xml.addData(text);
    }

    VocabularyTable read()
    {
        // The prolog first: a document that declares entities could make a
        // few bytes expand into gigabytes, or point outside the file. Real
        // vocabularies never declare any; such a document is refused whole.
        while (!m_xml.atEnd() && m_xml.readNext() != QXmlStreamReader::StartElement) {
            if (m_xml.tokenType() == QXmlStreamReader::DTD && !m_xml.entityDeclarations().isEmpty())
                throw plat::Failure(QStringLiteral("Le document déclare des entités XML : Tavilo ne les développe "
                                                   "pas, par sécurité, et ne l'importe pas."));
        }
        if (m_xml.tokenType() == QXmlStreamReader::StartElement) {
            if (m_xml.name().compare(u"kvtml", Qt::CaseInsensitive) != 0)
                throw plat::Failure(QStringLiteral("Ce document XML n'est pas une liste de vocabulaire kvtml : son "
                                                   "élément principal est <%1>.")
                                        .arg(m_xml.name().left(40)));
            m_content.readRoot();
        }
        if (m_xml.hasError())
            failFromReader();
        return m_content.take();
    }

private:
    [[noreturn]] void failFromReader()
    {
        if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            throw plat::Failure(QStringLiteral("Le document est incomplet : il s'arrête avant sa fin (ligne %1).")
                                    .arg(m_xml.lineNumber()));
        const QString encoding = m_bytes.isNull() ? QString() : declaredEncoding(m_bytes).left(40);
        if (!encoding.isEmpty() && !QStringDecoder(encoding.toLatin1().constData()).isValid())
            throw plat::Failure(QStringLiteral("Ce document se déclare écrit en « %1 », un encodage que Tavilo ne "
                                               "sait pas lire.")
                                    .arg(encoding));
        // Bytes that are not in the encoding declared are one cause; the
        // encoding is named so that the user can tell.
        QString text = QStringLiteral("Ce fichier n'est pas un document XML lisible : il est mal formé à la ligne %1, "
                                      "colonne %2.")
                           .arg(m_xml.lineNumber())
                           .arg(m_xml.columnNumber());
        if (!isUtf8Name(encoding))
            text += QStringLiteral(" Il se déclare écrit en « %1 ».").arg(encoding);
        throw plat::Failure(text);
    }

    QByteArrayView m_bytes; // null for a decoded text
    QXmlStreamReader m_xml;
    KvtmlContent<QXmlStreamReader> m_content;
};

// XML 1.0 carries no control character but tab and the line ends, no
// U+FFFE or U+FFFF and no lone surrogate.
QString xmlText(QStringView s)
{
    QString out = s.toString();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t c = out[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < out.size() && out[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF
            || QChar::isSurrogate(c))
            out[i] = QChar(QChar::ReplacementCharacter);
    }
    return out;
}

} // namespace

std::optional<VocabularyTable> readKvtmlQuickly(QByteArrayView bytes, plat::Progress &progress)
{
    if (plat::isUtf16WithBom(bytes) || !isUtf8Name(declaredEncoding(bytes)) || !plat::isValidUtf8(bytes))
        return std::nullopt;
    try {
        KvtmlScanner scanner(bytes);
        scanner.readProlog();
        if (scanner.name().compare(u"kvtml", Qt::CaseInsensitive) != 0)
            return std::nullopt;
        KvtmlContent<KvtmlScanner> content(scanner, progress);
        content.readRoot();
        scanner.readEpilog();
        return content.take();
    } catch (const KvtmlScanner::Outside &) {
    } catch (const plat::Failure &) {
        // Its message is QXmlStreamReader's to give, with the line.
    }
    return std::nullopt;
}

VocabularyTable readKvtmlWithQt(QByteArrayView bytes, plat::Progress &progress)
{
    // Saved as "Unicode", the document may still declare the encoding it was
    // written in before: the mark is what holds.
    if (plat::isUtf16WithBom(bytes))
        return KvtmlReader(plat::decodeText(bytes), progress).read();
    // Documents declared UTF-8 (or declaring nothing, which means UTF-8) are
    // found with Latin-1 bytes among their lines, typed in an editor that
    // did not know: the KDE trainers read those bytes, and so does Tavilo,
    // telling how many lines it mended.
    if (isUtf8Name(declaredEncoding(bytes)) && !plat::isValidUtf8(bytes)) {
        qsizetype lines = 0, line = 1, at = 0, lastBadLine = 0;
        const QByteArray mended = plat::mendUtf8(bytes, [&](qsizetype offset) {
            line += bytes.sliced(at, offset - at).count('\n');
            at = offset;
            if (line != lastBadLine) {
                ++lines;
                lastBadLine = line;
            }
        });
        VocabularyTable table = KvtmlReader(QByteArrayView(mended), progress).read();
        table.misencodedLines = lines;
        return table;
    }
    return KvtmlReader(bytes, progress).read();
}

VocabularyTable readKvtml(QByteArrayView bytes, plat::Progress &progress)
{
    // Most documents are written by a program, in UTF-8 and in the plain
    // XML a scanner of a few hundred lines reads several times faster than
    // QXmlStreamReader; any other is read by Qt.
    if (std::optional<VocabularyTable> table = readKvtmlQuickly(bytes, progress))
        return std::move(*table);
    return readKvtmlWithQt(bytes, progress);
}

QByteArray kvtmlDocument(const plat::PackedLines &sheet)
{
    const QString titleLine = sheet.memoLine(0);
    const QString name = sheets::sheetName(titleLine);
    const QString information = sheets::sheetInformation(titleLine).value_or(QString());
    // A sheet does not store its language; its name usually names it.
    const sheets::Language *foreign = sheets::languageNamedIn(name);
    const QString foreignName = foreign ? foreign->name : QStringLiteral("Langue étrangère");
    const QString foreignLocale = foreign ? foreign->code : QString();

    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    w.writeStartElement(QStringLiteral("kvtml"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    w.writeStartElement(QStringLiteral("information"));
    w.writeTextElement(QStringLiteral("generator"), QStringLiteral("Tavilo"));
    w.writeTextElement(QStringLiteral("title"), xmlText(name));
    if (!information.isEmpty())
        w.writeTextElement(QStringLiteral("comment"), xmlText(information));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("identifiers"));
    const QString languages[2][2] = {{foreignName, foreignLocale}, {QStringLiteral("Français"), QStringLiteral("fr")}};
    for (int id = 0; id < 2; ++id) {
        w.writeStartElement(QStringLiteral("identifier"));
        w.writeAttribute(QStringLiteral("id"), QString::number(id));
        w.writeTextElement(QStringLiteral("name"), languages[id][0]);
        w.writeTextElement(QStringLiteral("locale"), languages[id][1]);
        w.writeEndElement();
    }
    w.writeEndElement();

    const qsizetype pairs = sheets::pairCount(sheet.count());
    w.writeStartElement(QStringLiteral("entries"));
    for (qsizetype k = 1; k <= pairs; ++k) {
        w.writeStartElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(k - 1));
        for (int id = 0; id < 2; ++id) {
            w.writeStartElement(QStringLiteral("translation"));
            w.writeAttribute(QStringLiteral("id"), QString::number(id));
            w.writeTextElement(QStringLiteral("text"), xmlText(sheet.view(2 * k - 1 + id)));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();

    // The trainers practise lessons: every pair goes into one, named after
    // the sheet.
    w.writeStartElement(QStringLiteral("lessons"));
    w.writeStartElement(QStringLiteral("container"));
    w.writeTextElement(QStringLiteral("name"), xmlText(name.isEmpty() ? QStringLiteral("Fiche") : name));
    w.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (qsizetype k = 1; k <= pairs; ++k) {
        w.writeEmptyElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(k - 1));
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

} // namespace interchange
