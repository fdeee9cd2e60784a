#pragma once
#include "platform/linelist.h"

#include <QString>
#include <optional>

namespace sheets {

// The three markers that give a title line its structure. Each is searched
// from the start of the whole line, independently of the others.
inline const QString kInfoStart = QStringLiteral(" //");
inline const QString kInfoEnd = QStringLiteral("\\\\");
inline const QString kPictureStart = QStringLiteral(" /[");
inline const QString kPictureEnd = QStringLiteral("]\\");

// The sub-fields of a title line.
struct TitleFields {
    QString name;                       // before the first " //", or the whole line
    std::optional<QString> information; // absent without " //"; empty without a "\\" after it
    std::optional<QString> picture;     // present only when " /[" and "]\" both occur
};

TitleFields splitTitle(QStringView line);
QString sheetName(QStringView line);
std::optional<QString> sheetInformation(QStringView line);
std::optional<QString> sheetPicture(QStringView line);

// An empty title line or one made of a single blank: the sheet shows as
// "Fiche anonyme".
bool isAnonymousTitle(QStringView line);

// Pairs in a list of L lines: Int((L - 1) / 2), so 0 for L = 0, 1 and 2.
constexpr qsizetype pairCount(qsizetype lineCount)
{
    return lineCount <= 1 ? 0 : (lineCount - 1) / 2;
}

// An even count of at least 2 lines leaves the last line without its
// partner; readers skip it, writers keep it.
constexpr bool hasUnpairedLine(qsizetype lineCount)
{
    return lineCount >= 2 && lineCount % 2 == 0;
}

// "0007", "0042", "0100", "1000"; five digits and more past 9999, so keys
// stay unique and still sort in pair order within one width.
QString pairKey(qsizetype k);

struct Pair {
    QString foreign;
    QString french;
};

// A sheet read into a line list: line 0 is the title line, lines 2k - 1 and
// 2k the foreign and French terms of pair k (k from 1). Reads past the end
// give the empty text, as a memo-held list does, so an empty file is an
// anonymous sheet without pairs.
class Sheet {
public:
    Sheet() = default;
    explicit Sheet(plat::LineList lines) : m_lines(std::move(lines)) {}

    // Throws plat::Failure when the file is missing or unreadable.
    static Sheet load(const QString &path);

    const plat::LineList &lines() const { return m_lines; }
    plat::LineList &lines() { return m_lines; }
    qsizetype lineCount() const { return m_lines.count(); }

    QString titleLine() const { return m_lines.memoLine(0); }
    TitleFields title() const { return splitTitle(titleLine()); }
    bool isAnonymous() const { return isAnonymousTitle(titleLine()); }

    qsizetype pairCount() const { return sheets::pairCount(m_lines.count()); }
    // k from 1 to pairCount().
    QString foreignTerm(qsizetype k) const { return m_lines.memoLine(2 * k - 1); }
    QString frenchTerm(qsizetype k) const { return m_lines.memoLine(2 * k); }
    Pair pair(qsizetype k) const { return {foreignTerm(k), frenchTerm(k)}; }

    bool hasUnpairedLine() const { return sheets::hasUnpairedLine(m_lines.count()); }
    QString unpairedLine() const
    {
        return hasUnpairedLine() ? m_lines.memoLine(m_lines.count() - 1) : QString();
    }

private:
    plat::LineList m_lines;
};

} // namespace sheets
