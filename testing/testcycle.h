#pragma once
#include "platform/linelist.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The rules of a test: the questions drawn from a sheet, the error report,
// the texts of the results and clocks.
namespace quiz {

// Where a test stands. The window's controls follow from it; handlers that
// make sense in one stage only check it.
enum class Phase { Choosing, Ready, Running, Paused, Ended };

// The text of the direction box that shows the French term and asks for the
// foreign one; any other text asks the other way round.
inline const QString kFrenchShown = QStringLiteral("Terme français");

struct Question {
    QString shown; // the term shown, note included
    QString entry; // the expected entry, note included
    QString sheet; // the sheet of a review's pair; empty in a test on one sheet
};

// The questions not yet asked (ListBox3) and their expected entries
// (ListBox2), index-aligned: item j of each belongs to one pair.
class QuestionLists {
public:
    // Pair j + 1 of the sheet gives item j, in sheet order. Linear in the
    // sheet's size; pairs are kept together by their index, whatever their
    // number.
    void build(const plat::LineList &sheet, bool frenchShown);
    // The pairs of a review, each asked in its own direction.
    void build(const QList<Question> &pairs);
    void clear();

    qsizetype count() const { return m_answers.size(); }
    bool isEmpty() const { return m_answers.isEmpty(); }
    const QStringList &answers() const { return m_answers; }
    const QStringList &questions() const { return m_questions; }

    // Takes item b out of both lists in constant time. The last item fills
    // its place: the next draw is uniform again, so the order of what is left
    // does not matter.
    Question take(qsizetype b);

private:
    QStringList m_answers;
    QStringList m_questions;
    QStringList m_sheets; // a review's only
};

// Line 0 of the error report: a title line whose sheet name is
// "Erreurs sur : " and the tested sheet's name, and whose information holds
// the tested sheet's information and the date of the test.
QString errorReportHeader(const QString &title, const QString &date);

// A report of fewer lines holds no wrong answer.
constexpr qsizetype kReportLinesWithAnError = 3;

// The two percentage captions for a count of right and wrong answers;
// nothing for a total of 0, whose labels keep what they show.
struct PercentCaptions {
    QString right; // "Poucentage juste : 66,666 %"
    QString wrong; // "Poucentage faux : 33,333 %"
};
std::optional<PercentCaptions> percentCaptions(int right, int wrong);

// A count held as decimal text, plus one. Text that holds no number counts
// from 0.
QString incremented(const QString &count);

// The question clock, seconds in the locale's decimal form, half a second on.
QString halfSecondLater(const QString &seconds, QChar decimalSeparator);

// The sixteen messages for a test without a wrong answer; one is drawn.
const QStringList &congratulations();

} // namespace quiz
