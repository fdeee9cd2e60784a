#include "interchange/vocabularytable.h"

#include "interchange/delimitedtext.h"
#include "interchange/kvtml.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/linelist.h"
#include "sheets/sheet.h"
#include "sheets/sheetlanguage.h"

#include <QFileInfo>

#include <algorithm>

namespace interchange {

void failTooManyColumns(qsizetype line, bool languages)
{
    throw plat::Failure((languages ? QStringLiteral("Le document a plus de %2 langues (ligne %1) : ce n'est pas une "
                                                    "liste de vocabulaire que Tavilo sache lire.")
                                   : QStringLiteral("La ligne %1 a plus de %2 colonnes : ce n'est pas une liste de "
                                                    "vocabulaire que Tavilo sache lire."))
                            .arg(line)
                            .arg(kMaxColumns));
}

qsizetype VocabularyTable::cellCount(qsizetype row) const
{
    const qsizetype first = m_rowStarts[size_t(row)];
    const qsizetype end = row + 1 < rowCount() ? m_rowStarts[size_t(row + 1)] : qsizetype(m_cellEnds.size());
    return end - first;
}

QStringView VocabularyTable::cell(qsizetype row, qsizetype column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= cellCount(row))
        return {};
    const size_t i = size_t(m_rowStarts[size_t(row)] + column);
    const qsizetype start = i == 0 ? 0 : m_cellEnds[i - 1];
    return QStringView(m_text).sliced(start, m_cellEnds[i] - start);
}

qsizetype VocabularyTable::columnCount() const
{
    return std::max(m_widest, names.size());
}

void VocabularyTable::addCell(QStringView text)
{
    if (m_rowStarts.empty())
        startRow();
    m_text.append(text);
    m_cellEnds.push_back(m_text.size());
    m_widest = std::max(m_widest, qsizetype(m_cellEnds.size()) - m_rowStarts.back());
}

void VocabularyTable::addRow(const QStringList &cells)
{
    startRow();
    for (const QString &c : cells)
        addCell(c);
}

void VocabularyTable::reserve(qsizetype rows, qsizetype chars)
{
    m_rowStarts.reserve(size_t(rows));
    m_cellEnds.reserve(size_t(2 * rows));
    m_text.reserve(chars);
}

QString columnName(const VocabularyTable &table, qsizetype column, bool header)
{
    if (header) {
        const QString cell = termText(table.cell(0, column)).trimmed();
        if (!cell.isEmpty())
            return cell;
    }
    if (column < table.names.size() && !table.names[column].isEmpty())
        return table.names[column];
    return QStringLiteral("Colonne %1").arg(column + 1);
}

bool looksFrench(const QString &nameOrLocale)
{
    const QString s = nameOrLocale.trimmed().toLower();
    return s == u"fr" || s.startsWith(u"fr_") || s.startsWith(u"fr-") || s.contains(u"fran")
        || s.contains(u"french") || s.endsWith(u"(fr)");
}

const sheets::Language *columnLanguage(const VocabularyTable &table, qsizetype column, bool header)
{
    if (column < table.locales.size()) {
        // "pt_BR", "de-AT", "sr@latin": the language is the part before.
        QString code = table.locales[column].trimmed().toLower();
        const auto cut = std::find_if(code.cbegin(), code.cend(), [](QChar c) { return !c.isLetter(); });
        code.truncate(cut - code.cbegin());
        // Norwegian's two written forms speak with one voice.
        if (code == u"no" || code == u"nn")
            code = QStringLiteral("nb");
        if (const sheets::Language *l = sheets::languageOfCode(code))
            return l;
    }
    return sheets::languageNamedIn(columnName(table, column, header));
}

namespace {

bool isMeta(const VocabularyTable &table, qsizetype column)
{
    return column < qsizetype(table.meta.size()) && table.meta[size_t(column)];
}

bool columnLooksFrench(const VocabularyTable &table, qsizetype column, bool header)
{
    if (column < table.locales.size() && looksFrench(table.locales[column]))
        return true;
    return looksFrench(columnName(table, column, header));
}

} // namespace

ColumnChoice defaultChoice(const VocabularyTable &table)
{
    ColumnChoice choice;
    choice.header = table.headerGuess;
    const qsizetype columns = table.columnCount();
    std::vector<qsizetype> terms;
    for (qsizetype k = 0; k < columns; ++k)
        if (!isMeta(table, k))
            terms.push_back(k);
    if (terms.size() < 2) {
        terms.clear();
        for (qsizetype k = 0; k < columns; ++k)
            terms.push_back(k);
    }
    if (terms.size() < 2)
        return choice;
    const auto french = std::find_if(terms.begin(), terms.end(),
                                     [&](qsizetype k) { return columnLooksFrench(table, k, choice.header); });
    if (french == terms.end()) {
        choice.foreign = terms[0];
        choice.french = terms[1];
    } else {
        choice.french = *french;
        choice.foreign = *french == terms[0] ? terms[1] : terms[0];
    }
    return choice;
}

bool needsChoice(const VocabularyTable &table)
{
    return table.columnCount() > 2 || table.headerGuess;
}

// A NUL ends a sheet's text when it is read again: every line after it would
// be lost. A document can carry one (an entity left undeclared, a byte read as
// Windows-1252), so it becomes a blank.
static QString withoutNul(QStringView text)
{
    QString s = text.toString();
    s.replace(QChar(u'\0'), QChar(u' '));
    return s;
}

QString termText(QStringView cell)
{
    if (!cell.contains(u'\n') && !cell.contains(u'\r') && !cell.contains(u'\0'))
        return cell.toString();
    return withoutNul(cell).simplified();
}

QString titleFieldText(QStringView text)
{
    QString s = withoutNul(text);
    if (s.contains(u'\n') || s.contains(u'\r') || s.contains(u'\t'))
        s = s.simplified();
    // Each marker is broken apart until none is left, so that a run such as
    // " ///" does not leave a new one behind.
    static const struct {
        QString marker, replacement;
    } markers[] = {{sheets::kInfoStart, QStringLiteral(" /")},
                   {sheets::kInfoEnd, QStringLiteral("\\")},
                   {sheets::kPictureStart, QStringLiteral(" / [")},
                   {sheets::kPictureEnd, QStringLiteral("] \\")}};
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto &m : markers)
            while (s.contains(m.marker)) {
                s.replace(m.marker, m.replacement);
                changed = true;
            }
    }
    return s;
}

ImportedSheet buildSheet(const VocabularyTable &table, const ColumnChoice &choice, const QString &fallbackName,
                         plat::Progress &progress)
{
    ImportedSheet sheet;
    QString name = titleFieldText(table.title).trimmed();
    if (name.isEmpty())
        name = titleFieldText(fallbackName).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Vocabulaire importé");
    QString information = titleFieldText(table.information).trimmed();
    // A backslash at its end would make the end marker start one early.
    if (information.endsWith(u'\\'))
        information += u' ';
    const auto titleLine = [&] {
        return information.isEmpty() ? name : name + sheets::kInfoStart + information + sheets::kInfoEnd;
    };
    sheet.language = columnLanguage(table, choice.foreign, choice.header);
    // The language opens the information, where the reader sees it and the
    // speech looks after the name; unless the title already leads there.
    // A title that names another language first keeps its words: the voice
    // choices remember the right one.
    if (sheet.language && sheets::languageOfSheet(titleLine(), QString()) != sheet.language)
        information = information.isEmpty() ? sheet.language->name
                                            : sheet.language->name + QStringLiteral(" - ") + information;
    sheet.titleLine = titleLine();
    sheet.misencodedLines = table.misencodedLines;

    const qsizetype first = choice.header ? 1 : 0;
    qsizetype chars = sheet.titleLine.size() + 2;
    for (qsizetype row = first; row < table.rowCount(); ++row)
        chars += table.cell(row, choice.foreign).size() + table.cell(row, choice.french).size() + 4;
    sheet.text.reserve(chars);
    sheet.text += sheet.titleLine;
    sheet.text += QLatin1String("\r\n");
    for (qsizetype row = first; row < table.rowCount(); ++row) {
        progress.step();
        const QString foreign = termText(table.cell(row, choice.foreign));
        const QString french = termText(table.cell(row, choice.french));
        const bool noForeign = foreign.trimmed().isEmpty();
        const bool noFrench = french.trimmed().isEmpty();
        if (noForeign && noFrench) {
            ++sheet.empty;
        } else if (noForeign || noFrench) {
            ++sheet.untranslated;
        } else {
            sheet.text += foreign;
            sheet.text += QLatin1String("\r\n");
            sheet.text += french;
            sheet.text += QLatin1String("\r\n");
            ++sheet.pairs;
        }
    }
    return sheet;
}

namespace {

QString counted(qsizetype n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n > 1 ? many : one));
}

} // namespace

QString importSummary(const ImportedSheet &sheet)
{
    QString text = sheet.pairs == 0 ? QStringLiteral("Aucune paire à importer : rien n'a été enregistré.")
                                    : counted(sheet.pairs, "paire importée.", "paires importées.");
    const qsizetype skipped = sheet.empty + sheet.untranslated;
    if (skipped != 0) {
        QStringList why;
        if (sheet.empty)
            why << counted(sheet.empty, "vide", "vides");
        if (sheet.untranslated)
            why << QStringLiteral("%1 sans traduction").arg(sheet.untranslated);
        text += u'\n' + counted(skipped, "entrée ignorée", "entrées ignorées") + QStringLiteral(" : ")
            + why.join(QStringLiteral(", ")) + u'.';
    }
    if (sheet.misencodedLines != 0)
        text += u'\n'
            + (sheet.misencodedLines > 1
                   ? QStringLiteral("%1 lignes du document n'étaient pas en UTF-8, comme il le déclare : elles ont "
                                    "été lues en Windows-1252.")
                   : QStringLiteral("%1 ligne du document n'était pas en UTF-8, comme il le déclare : elle a été "
                                    "lue en Windows-1252."))
                  .arg(sheet.misencodedLines);
    return text;
}

namespace {

// A document is told by its content, whatever its name: the first
// character that is not a blank (after a byte-order mark) opens XML.
bool isXml(QByteArrayView bytes)
{
    // UTF-16 (a document saved as "Unicode") puts a zero byte beside each
    // of these characters, before or after it as the mark says.
    qsizetype i = 0, step = 1;
    if (plat::isUtf16WithBom(bytes)) {
        i = bytes.startsWith("\xFF\xFE") ? 2 : 3;
        step = 2;
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        i = 3;
    }
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        i += step;
    return i < bytes.size() && bytes[i] == '<';
}

VocabularyTable checked(VocabularyTable table)
{
    const bool xml = table.kind == VocabularyTable::Kind::Kvtml;
    if (table.rowCount() == 0)
        throw plat::Failure(QStringLiteral("Le fichier ne contient aucune entrée de vocabulaire."));
    if (table.columnCount() < 2)
        throw plat::Failure(xml ? QStringLiteral("Le document ne contient qu'une langue : il en faut deux, celle des "
                                                 "termes étrangers et le français.")
                                : QStringLiteral("Le fichier n'a qu'une colonne : il en faut deux, les termes "
                                                 "étrangers et leur traduction, séparés par une tabulation, un "
                                                 "point-virgule ou une virgule."));
    return table;
}

} // namespace

VocabularyTable readVocabulary(QByteArrayView bytes, plat::Progress &progress)
{
    return checked(isXml(bytes) ? readKvtml(bytes, progress) : readDelimited(bytes, progress));
}

VocabularyTable readVocabularyFile(const QString &path, plat::Progress &progress)
{
    if (plat::fileSize(path) > kMaxImportBytes)
        throw plat::Failure(QStringLiteral("Le fichier est trop gros pour une liste de vocabulaire (plus de %1 Mo).")
                                .arg(kMaxImportBytes >> 20));
    QByteArray bytes = plat::readFileBytes(path);
    progress.beatWhenDue();
    if (isXml(bytes))
        return checked(readKvtml(bytes, progress));
    // Named as XML, it must be XML: its text is not read as a spreadsheet's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"kvtml" || suffix == u"xml")
        throw plat::Failure(QStringLiteral("Ce fichier n'est pas un document XML : un document kvtml commence par "
                                           "« < »."));
    // A big spreadsheet is held once as text, not also as its bytes.
    const QString text = decodeDelimited(bytes);
    bytes = QByteArray();
    return checked(readDelimitedText(text, progress));
}

} // namespace interchange
