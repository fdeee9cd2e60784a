#include "interchange/delimitedtext.h"

#include "platform/encoding.h"
#include "platform/failure.h"
#include "sheets/sheet.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace interchange {
namespace {

[[noreturn]] void failBinary()
{
    throw plat::Failure(QStringLiteral("Ce fichier n'est pas un texte : il contient des données binaires."));
}

// UTF-16 with its mark, UTF-8, or else Windows-1252, as every text file of
// the program is read; but a NUL byte here means binary data, not an end.
} // namespace

QString decodeDelimited(QByteArrayView bytes)
{
    QString text;
    if (plat::isUtf16WithBom(bytes)) {
        text = plat::decodeFileText(bytes);
    } else {
        if (bytes.contains('\0'))
            failBinary();
        text = plat::decodeSingleByteText(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    qsizetype controls = 0;
    for (const QChar c : std::as_const(text)) {
        const char16_t u = c.unicode();
        if (u == 0)
            failBinary();
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f')
            ++controls;
    }
    if (controls > 8 + text.size() / 200)
        failBinary();
    return text;
}

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Past the line end at i (CR LF, CR or LF), or n.
qsizetype afterLineEnd(QStringView s, qsizetype i)
{
    if (i < s.size() && s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
        return i + 2;
    return i < s.size() ? i + 1 : i;
}

[[noreturn]] void failTooLong(qsizetype line, bool quoted)
{
    throw plat::Failure(
        quoted ? QStringLiteral("Le champ commencé à la ligne %1 dépasse %2 caractères : un guillemet n'y est sans "
                                "doute pas fermé.")
                     .arg(line)
                     .arg(kMaxFieldChars)
               : QStringLiteral("Un champ de la ligne %1 dépasse %2 caractères : ce n'est pas un terme de "
                                "vocabulaire.")
                     .arg(line)
                     .arg(kMaxFieldChars));
}

// Reads the record that starts at i as RFC 4180 does: a field that opens
// with a quote runs to the quote that closes it, a doubled quote inside
// standing for one, and may hold separators and line breaks. A quote within
// an unquoted field is an ordinary character, and text between a closing
// quote and the separator is kept, as lenient readers do. Calls field() with
// each field's text and returns where the next record starts; `line` counts
// the lines passed.
template <typename Field>
qsizetype readRecord(QStringView s, qsizetype i, QChar separator, qsizetype &line, QString &scratch, Field field)
{
    const qsizetype n = s.size();
    for (;;) {
        if (i < n && s[i] == u'"') {
            const qsizetype opened = line;
            scratch.clear();
            qsizetype from = ++i;
            for (;;) {
                if (i >= n)
                    throw plat::Failure(QStringLiteral("Un guillemet ouvert à la ligne %1 n'est jamais fermé : le "
                                                       "fichier est incomplet ou mal formé.")
                                            .arg(opened));
                const QChar c = s[i];
                if (c == u'"') {
                    scratch.append(s.sliced(from, i - from));
                    if (i + 1 < n && s[i + 1] == u'"') {
                        scratch.append(u'"');
                        i += 2;
                        from = i;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (c == u'\n' || (c == u'\r' && !(i + 1 < n && s[i + 1] == u'\n')))
                    ++line;
                ++i;
                if (scratch.size() + (i - from) > kMaxFieldChars)
                    failTooLong(opened, true);
            }
            from = i;
            while (i < n && s[i] != separator && !isLineEnd(s[i]))
                ++i;
            scratch.append(s.sliced(from, i - from));
            if (scratch.size() > kMaxFieldChars)
                failTooLong(opened, true);
            field(QStringView(scratch));
        } else {
            const qsizetype from = i;
            while (i < n && s[i] != separator && !isLineEnd(s[i]))
                ++i;
            if (i - from > kMaxFieldChars)
                failTooLong(line, false);
            field(s.sliced(from, i - from));
        }
        if (i < n && s[i] == separator) {
            ++i;
            continue;
        }
        ++line;
        return afterLineEnd(s, i);
    }
}

// The settings of the '#' lines that open a flash-card program's export.
struct Settings {
    QChar separator;
    bool html = false;
    QString columns;
    qsizetype columnsLine = 0;
    QString deck;
    std::vector<std::pair<qsizetype, QString>> metaColumns; // 1-based
};

QChar separatorNamed(const QString &value)
{
    static const struct {
        const char *name;
        char16_t c;
    } names[] = {{"tab", u'\t'},   {"tabulation", u'\t'}, {"comma", u','},  {"virgule", u','},
                 {"semicolon", u';'}, {"point-virgule", u';'}, {"pipe", u'|'}, {"space", u' '},
                 {"colon", u':'}};
    const QString v = value.trimmed().toLower();
    for (const auto &n : names)
        if (v == QLatin1String(n.name))
            return QChar(n.c);
    if (value.size() == 1)
        return value[0];
    return v.size() == 1 ? v[0] : QChar();
}

// Reads the leading '#' lines (and blank lines among them); returns where
// the records start.
qsizetype readSettings(QStringView s, Settings &settings, qsizetype &line)
{
    static const struct {
        const char *key;
        const char *name;
    } metaKeys[] = {{"guid column", "Identifiant"},
                    {"notetype column", "Type de note"},
                    {"deck column", "Paquet"},
                    {"tags column", "Étiquettes"}};
    qsizetype i = 0;
    while (i < s.size() && (s[i] == u'#' || isLineEnd(s[i]))) {
        qsizetype end = i;
        while (end < s.size() && !isLineEnd(s[end]))
            ++end;
        const QStringView text = s.sliced(i, end - i);
        i = afterLineEnd(s, end);
        const qsizetype here = line++;
        const qsizetype colon = text.indexOf(u':');
        if (text.isEmpty() || colon < 0)
            continue;
        const QString key = text.sliced(1, colon - 1).trimmed().toString().toLower();
        const QString value = text.sliced(colon + 1).toString();
        if (key == u"separator")
            settings.separator = separatorNamed(value);
        else if (key == u"html")
            settings.html = value.trimmed().compare(u"true", Qt::CaseInsensitive) == 0;
        else if (key == u"columns") {
            settings.columns = value;
            settings.columnsLine = here;
        } else if (key == u"deck") {
            settings.deck = value.trimmed();
        } else {
            for (const auto &m : metaKeys) {
                if (key != QLatin1String(m.key))
                    continue;
                bool number = false;
                const qint64 column = value.trimmed().toLongLong(&number);
                if (!number || column <= 0)
                    continue;
                // Each column named costs its place in the table, whatever
                // the rows hold: no more than a row of this text could have.
                const qsizetype canHold = std::min(kMaxColumns, s.size());
                if (column > canHold)
                    throw plat::Failure(QStringLiteral("La ligne %1 désigne la colonne %2, mais ce fichier ne peut "
                                                       "pas en avoir plus de %3 : il est abîmé ou n'est pas une "
                                                       "liste de vocabulaire.")
                                            .arg(here)
                                            .arg(column)
                                            .arg(canHold));
                settings.metaColumns.emplace_back(qsizetype(column), QString::fromUtf8(m.name));
            }
        }
    }
    return i;
}

// The separator that cuts the first records most evenly into two fields or
// more; tab first, then ';' (French spreadsheets), then ','.
QChar guessSeparator(QStringView s, qsizetype start)
{
    constexpr std::array<char16_t, 3> candidates = {u'\t', u';', u','};
    QChar best = u'\t';
    double bestScore = -1;
    QString scratch;
    for (const char16_t c : candidates) {
        std::vector<int> counts;
        qsizetype i = start, line = 0;
        while (i < s.size() && counts.size() < 64) {
            if (isLineEnd(s[i])) {
                i = afterLineEnd(s, i);
                continue;
            }
            int fields = 0;
            try {
                i = readRecord(s, i, QChar(c), line, scratch, [&](QStringView) { ++fields; });
            } catch (const plat::Failure &) {
                // A quote never closed, or a field too long: the record
                // counts up to there, and the reading proper will say why.
                counts.push_back(fields + 1);
                break;
            }
            counts.push_back(fields);
        }
        if (counts.empty())
            continue;
        // The most frequent count, and the share of records that have it.
        int modal = 0, modalTimes = 0;
        for (const int n : counts) {
            const int times = int(std::count(counts.begin(), counts.end(), n));
            if (times > modalTimes || (times == modalTimes && n > modal)) {
                modal = n;
                modalTimes = times;
            }
        }
        const double score = modal >= 2 ? 1.0 + double(modalTimes) / double(counts.size()) : 0.0;
        if (score > bestScore) {
            bestScore = score;
            best = QChar(c);
        }
    }
    return best;
}

// The words a spreadsheet's first line uses to name its columns.
bool isColumnWord(const QString &cell)
{
    static const QSet<QString> words = [] {
        static const char *const list[] = {
            "front", "back", "recto", "verso", "question", "answer", "réponse", "reponse", "term", "terms",
            "terme", "termes", "word", "words", "mot", "mots", "translation", "traduction", "definition",
            "définition", "meaning", "sens", "vocabulary", "vocabulaire", "foreign", "étranger", "etranger",
            "english", "anglais", "german", "deutsch", "allemand", "spanish", "español", "espagnol", "italian",
            "italiano", "italien", "portuguese", "portugais", "dutch", "nederlands", "néerlandais", "russian",
            "russe", "latin", "japanese", "japonais", "chinese", "chinois", "en", "de", "es", "it", "pt", "nl",
            "ru", "tags", "notes", "note", "remarque", "commentaire", "comment", "example", "exemple", "source",
            "target", "cible", "langue", "language",
        };
        QSet<QString> set;
        for (const char *w : list)
            set.insert(QString::fromUtf8(w));
        return set;
    }();
    const QString w = cell.trimmed().toLower();
    return words.contains(w) || looksFrench(w);
}

bool looksLikeHeader(const VocabularyTable &table)
{
    if (table.rowCount() == 0 || table.cellCount(0) < 2)
        return false;
    for (qsizetype k = 0; k < table.cellCount(0); ++k) {
        const QString cell = table.cell(0, k).toString();
        if (!cell.trimmed().isEmpty() && !isColumnWord(cell))
            return false;
    }
    return true;
}

// The text a field written as HTML shows: tags dropped (a line break or a
// block between two words leaves a blank) and the usual entities decoded.
QString plainFromHtml(QStringView s)
{
    if (!s.contains(u'<') && !s.contains(u'&'))
        return s.toString();
    static const struct {
        const char *name;
        char16_t c;
    } entities[] = {{"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u' '}};
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'<') {
            const qsizetype close = s.indexOf(u'>', i);
            if (close < 0) {
                out += s.sliced(i);
                break;
            }
            const QStringView tag = s.sliced(i + 1, close - i - 1).trimmed();
            static const char *const blocks[] = {"br", "/div", "div", "p", "/p", "li"};
            for (const char *b : blocks)
                if (tag.startsWith(QLatin1String(b), Qt::CaseInsensitive)) {
                    out += u' ';
                    break;
                }
            i = close;
        } else if (c == u'&') {
            const qsizetype semi = s.indexOf(u';', i);
            bool decoded = false;
            if (semi > i + 1 && semi - i <= 10) {
                const QStringView name = s.sliced(i + 1, semi - i - 1);
                if (name.startsWith(u'#')) {
                    bool ok = false;
                    const uint code = name.startsWith(u"#x", Qt::CaseInsensitive) ? name.sliced(2).toUInt(&ok, 16)
                                                                                  : name.sliced(1).toUInt(&ok, 10);
                    if (ok && code > 0 && code < 0x110000 && !QChar::isSurrogate(code)) {
                        out += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
                        decoded = true;
                    }
                } else {
                    for (const auto &e : entities)
                        if (name == QLatin1String(e.name)) {
                            out += QChar(e.c);
                            decoded = true;
                        }
                }
            }
            if (decoded)
                i = semi;
            else
                out += c;
        } else {
            out += c;
        }
    }
    return out.simplified();
}

} // namespace

VocabularyTable readDelimited(QByteArrayView bytes, plat::Progress &progress)
{
    return readDelimitedText(decodeDelimited(bytes), progress);
}

VocabularyTable readDelimitedText(const QString &text, plat::Progress &progress)
{
    progress.beatWhenDue();
    const QStringView s(text);
    VocabularyTable table;
    table.kind = VocabularyTable::Kind::Delimited;
    table.mayHaveHeader = true;
    Settings settings;
    qsizetype line = 1;
    const qsizetype start = readSettings(s, settings, line);
    const QChar separator = settings.separator.isNull() ? guessSeparator(s, start) : settings.separator;
    table.title = settings.deck;
    if (!settings.columns.isEmpty())
        table.names = settings.columns.split(separator);
    if (table.names.size() > kMaxColumns)
        failTooManyColumns(settings.columnsLine, false);
    for (const auto &[column, name] : settings.metaColumns) {
        while (table.names.size() < column)
            table.names.append(QString());
        table.names[column - 1] = name;
        if (table.meta.size() < size_t(column))
            table.meta.resize(size_t(column));
        table.meta[size_t(column - 1)] = true;
    }

    // About the memory the rows will take, from the share the text leaves.
    table.reserve(s.count(u'\n') + 1, text.size() - start);
    QString scratch, plain;
    for (qsizetype i = start; i < s.size();) {
        if (isLineEnd(s[i])) {
            // A blank line is no entry.
            i = afterLineEnd(s, i);
            ++line;
            continue;
        }
        table.startRow();
        const qsizetype recordLine = line;
        qsizetype fields = 0;
        i = readRecord(s, i, separator, line, scratch, [&](QStringView field) {
            if (++fields > kMaxColumns)
                failTooManyColumns(recordLine, false);
            if (settings.html)
                table.addCell(plainFromHtml(field));
            else
                table.addCell(field);
        });
        progress.step(64);
    }
    table.headerGuess = settings.columns.isEmpty() && looksLikeHeader(table);
    return table;
}

namespace {

// A field as a tab-separated reader gets it back: quoted when it holds a
// tab, opens with a quote, or would open a line as a comment.
void putField(QString &out, QStringView field, bool first)
{
    if (!field.contains(u'\t') && !field.startsWith(u'"') && !(first && field.startsWith(u'#'))) {
        out += field;
        return;
    }
    out += u'"';
    for (const QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

QString settingText(QStringView text)
{
    return text.toString().simplified();
}

} // namespace

QByteArray tabSeparatedText(const plat::PackedLines &sheet)
{
    const qsizetype pairs = sheets::pairCount(sheet.count());
    QString out;
    out.reserve(sheet.toText().size() + 64);
    out += QLatin1String("#separator:tab\n#html:false\n");
    // The column line keeps a first pair that looks like one from being
    // taken for it.
    out += QStringLiteral("#columns:Terme étranger\tFrançais\n");
    const QString name = settingText(sheets::sheetName(sheet.memoLine(0)));
    if (!name.isEmpty())
        out += QStringLiteral("#deck:") + name + u'\n';
    for (qsizetype k = 1; k <= pairs; ++k) {
        putField(out, sheet.view(2 * k - 1), true);
        out += u'\t';
        putField(out, sheet.view(2 * k), false);
        out += u'\n';
    }
    return out.toUtf8();
}

} // namespace interchange
