// A review in the test window: the due pairs of a user asked as a test on a
// sheet is, then recorded for that user without asking whom for.
#include "testing/testwindow.h"

#include "review/texts.h"
#include "statistics/reviewing.h"
#include "testing/questionvoice.h"

#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/system.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

void TForm4::prepareReview(std::optional<Review> review)
{
    m_pendingReview = std::move(review);
    if (m_pendingReview && !testUnderWay())
        loadReview();
}

void TForm4::loadReview()
{
    m_review = m_pendingReview;
    // As a sheet chosen with "Parcourir...": the keyboard's list and button
    // stay as they were.
    showTestControls();
    // A review is always recorded: its answers are what moves the pairs on.
    CheckBox2->setChecked(true);
    CheckBox2->setEnabled(false);
    Memo1.clear();
    Label6.clear();
    const plat::System &sys = plat::system();
    const QString date = sys.shortDate(sys.now().date());
    titleDisplay->setMemo2(review::reviewTitle(m_review->name, date));
    ListBox6.clear();
    ListBox6.append(quiz::errorReportHeader(titleDisplay->memo2Line(), date));
    QList<quiz::Question> pairs;
    pairs.reserve(m_review->cards.size());
    for (const review::Card &card : m_review->cards)
        pairs.append({card.question, card.answer, card.sheet});
    lists.build(pairs);
    Label13->setText(QStringLiteral("Termes restants : %1").arg(lists.count()));
    resetResultLabels();
    voice->sheetChosen(QString(), titleDisplay->memo2Line());
    BitBtn1->setFocus();
}

void TForm4::leaveReview()
{
    m_review.reset();
    CheckBox2->setEnabled(true);
}

void TForm4::finishReview(const statistics::TestResult &result)
{
    const Review done = std::move(*m_review);
    leaveReview();
    const plat::System &sys = plat::system();
    const QDateTime now = sys.now();
    try {
        statistics::UserFileText userFile;
        userFile.loadFromFile(done.user);
        statistics::appendTestRecord(userFile, result, sys.shortDate(now.date()), sys.longTime(now.time()));
        userFile.saveToFile(done.user);
    } catch (const plat::Failure &f) {
        plat::desktop().showMessage(QStringLiteral("Erreur : Les statistiques n'ont pas pu être enregistrées.\n")
                                    + f.message());
        return;
    }
    if (!reviewing::recordAnswers(done.user, result.questions))
        return;
    qsizetype right = 0;
    for (const statistics::JudgedQuestion &j : result.questions)
        right += j.right ? 1 : 0;
    review::Summary after;
    if (const std::unique_ptr<review::Store> store = reviewing::openStore()) {
        try {
            after = store->summary(done.user, now.date());
        } catch (const plat::Failure &) {
            // The review is recorded; only the day of the next one goes unsaid.
        }
    }
    const QString next = after.nextDue.isValid() ? sys.shortDate(after.nextDue) : QString();
    plat::desktop().showMessage(review::reviewEndMessage(result.questions.size(), right, after, next));
}
