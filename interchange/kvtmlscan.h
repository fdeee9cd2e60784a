#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <vector>

// A quick reader of the XML that vocabulary programs write: UTF-8 bytes,
// elements, attributes, text, the five predefined entities and character
// references, comments, CDATA sections, the XML declaration and a DOCTYPE
// without internal subset. It offers the few calls of QXmlStreamReader that
// the kvtml reader makes, so that the same code reads through either, and
// throws KvtmlScanner::Outside the moment a document leaves that subset or
// is not well formed: QXmlStreamReader then reads it from the start, and
// gives every odd case its usual handling and message. Qt Core only.
namespace interchange {

class KvtmlScanner {
public:
    struct Outside {};

    // The bytes are UTF-8, checked already, and must outlive the scanner.
    explicit KvtmlScanner(QByteArrayView bytes);

    // Reads up to the root element's start tag.
    void readProlog();
    // Everything after the root element is blank or comments.
    void readEpilog();

    QStringView name() const { return m_name; }
    bool readNextStartElement();
    void skipCurrentElement();
    QString readElementText(QXmlStreamReader::ReadElementTextBehaviour);
    // Messages are QXmlStreamReader's to give: a failure met here is read
    // again there.
    qint64 lineNumber() const { return 0; }

    class Attributes {
    public:
        // Valid until the next call.
        QStringView value(QLatin1StringView name) const;

    private:
        friend class KvtmlScanner;
        const KvtmlScanner *m_scanner = nullptr;
        struct Raw {
            QByteArrayView name, value;
        };
        std::vector<Raw> m_raw;
    };
    const Attributes &attributes() const { return m_attributes; }

private:
    enum class Token { StartElement, EndElement };
    Token readNext(std::u16string *text);
    void readStartTag();
    void readEndTag();
    QByteArrayView readName();
    void skipBlanks();
    char openValue();
    bool blankAt() const;
    void readComment();
    void readCData(std::u16string *text);
    void readDoctype();
    void readDeclaration();
    void readText(std::u16string *text);
    void readAttributeValue(QByteArrayView value, std::u16string *out) const;
    // The character of a reference at p ('&' ... ';'), p moved past it.
    char32_t reference(const char *&p, const char *end) const;
    // The character of the UTF-8 sequence at p, p moved past it.
    char32_t utf8(const char *&p, const char *end) const;

    const char *m_p;
    const char *m_end;
    std::vector<QByteArrayView> m_open;
    bool m_emptyElement = false;
    bool m_rootClosed = false;
    QString m_name;
    Attributes m_attributes;
    mutable std::u16string m_scratch;
    mutable QString m_value;
};

} // namespace interchange
