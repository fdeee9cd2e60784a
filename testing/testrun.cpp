// The running test of the test window: start, the question timer's tick,
// answers, give-up, pause, the clocks and the end of the test.
#include "testing/testwindow.h"

#include "statistics/completionwindow.h"
#include "testing/answerrules.h"
#include "testing/questionvoice.h"
#include "testing/testsettingswindow.h"

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/system.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTimer>

namespace {

// A term of millions of characters would stall the window at every tick.
void setShown(QLabel *label, const QString &text)
{
    label->setText(plat::shownPart(text));
}

// How long after a right answer, accepted as it was typed, an Enter on the
// emptied field is taken for the habit of confirming it.
constexpr qint64 kEnterGraceMs = 1500;

} // namespace

int TForm4::questionIntervalMs() const
{
    return (Form12 ? Form12->TrackBar1->value() : 20) * 1000;
}

void TForm4::BitBtn1Click()
{
    avec.clear();
    // The priming tick judges an empty answer against an empty expected one,
    // whatever was typed before the start.
    Edit1.clear();
    m_question.clear();
    Label12->clear();
    Edit5->clear();
    BitBtn5->show();
    BitBtn4->hide();
    Edit5->setEnabled(true);
    BitBtn3->show();
    BitBtn3->setEnabled(true);
    BitBtn6->hide();
    setEnterButton(BitBtn3);
    Label18->setText(QStringLiteral("Pourcentage faux : 0 %"));
    Label21->setText(QStringLiteral("Pourcentage juste : 0 %"));
    Label17->setText(QStringLiteral("Termes justes : 0"));
    Label19->setText(QStringLiteral("Termes testés : 0"));
    label26->clear();
    Label29->clear();
    Label15->clear();
    verdict->clear();
    Edit4 = QStringLiteral("0");
    Edit3 = QStringLiteral("-1");
    // Each test is timed from 0; the last one has been handed over.
    Label9 = QStringLiteral("0");
    m_judged.clear();
    m_asked = false;
    Label2->setText(QStringLiteral("Temps total écoulé : 0 s"));
    m_acceptedAt = QDateTime();
    allowSheetChoice(false);
    Timer3->start();
    Timer1->start(1);
    BitBtn1->hide();
    m_phase = quiz::Phase::Running;
    voice->testStarted();
    Edit5->setFocus();
}

void TForm4::restartQuestionTimer()
{
    Timer1->start(questionIntervalMs());
    Timer1Timer();
}

void TForm4::Timer1Timer()
{
    // The tick empties the answer field, whose change must not judge the same
    // question again from inside the tick.
    if (m_inTick)
        return;
    const QScopedValueRollback<bool> inTick(m_inTick, true);

    Label15->setText(Edit5->text());
    judge();
    Edit5->clear();
    Timer1->setInterval(questionIntervalMs());
    label26->setText(Label12->text());
    setShown(Label29, avec);
    if (!lists.isEmpty())
        drawQuestion();
    else
        endTest();
    fitQuestionPanel();
    // The question clock stops with the test.
    if (m_phase == quiz::Phase::Running)
        restartQuestionClock();
}

void TForm4::judge()
{
    // The priming tick judges no question of the user's.
    const bool priming = Edit3 == QLatin1String("-1");
    const bool accepted = quiz::answersMatch(Edit5->text(), Edit1, CheckBox3->isChecked(), CheckBox4->isChecked());
    if (m_asked)
        m_judged.append({m_question, avec, m_questionSheet, plat::system().now(), accepted});
    m_asked = false;
    if (accepted) {
        Edit3 = quiz::incremented(Edit3);
        Label17->setText(QStringLiteral("Termes justes : ") + Edit3);
        if (!priming) {
            verdict->setStyleSheet(QStringLiteral("color: #00ff00; background: transparent;"));
            verdict->setText(QStringLiteral("Juste !"));
        }
    } else {
        Edit4 = quiz::incremented(Edit4);
        Label20->setText(QStringLiteral("Termes faux : ") + Edit4);
        ListBox6.append(Edit1);
        ListBox6.append(m_question);
        verdict->setStyleSheet(QStringLiteral("color: #ff8c00; background: transparent;"));
        verdict->setText(QStringLiteral("Faux ! Réponse attendue : ") + plat::shownPart(avec));
    }
    const int right = Edit3.toInt();
    const int wrong = Edit4.toInt();
    if (const auto captions = quiz::percentCaptions(right, wrong)) {
        Label21->setText(captions->right);
        Label18->setText(captions->wrong);
    }
    Label19->setText(QStringLiteral("Termes testés : %1").arg(right + wrong));
}

void TForm4::drawQuestion()
{
    const qsizetype b = plat::system().random(int(lists.count()));
    const quiz::Question q = lists.take(b);
    avec = q.entry;
    Edit1 = quiz::expectedAnswer(avec);
    m_question = q.shown;
    m_questionSheet = q.sheet.isEmpty() ? Label6 : q.sheet;
    m_asked = true;
    setShown(Label12, m_question);
    Label13->setText(QStringLiteral("Termes restants : %1").arg(lists.count()));
}

void TForm4::restartQuestionClock()
{
    Label11 = QStringLiteral("0");
    Label4->setText(QStringLiteral("Temps écoulé : 0 s"));
    Timer4->start(500);
    Timer4Timer();
}

void TForm4::Edit5Change()
{
    // Only a running test judges what is typed: before the start, after the
    // end or inside a tick, a change of the field moves nothing on.
    if (m_phase != quiz::Phase::Running || m_inTick)
        return;
    setEnterButton(BitBtn3);
    if (quiz::answersMatch(Edit5->text(), Edit1, CheckBox3->isChecked(), CheckBox4->isChecked())) {
        m_acceptedAt = plat::system().now();
        restartQuestionTimer();
    }
}

bool TForm4::enterAfterAcceptedAnswer() const
{
    if (m_phase != quiz::Phase::Running || !Edit5->text().isEmpty() || !m_acceptedAt.isValid())
        return false;
    const qint64 since = m_acceptedAt.msecsTo(plat::system().now());
    return since >= 0 && since < kEnterGraceMs;
}

void TForm4::allowSheetChoice(bool allowed)
{
    // Shown beside a test opened with "Parcourir...", the keyboard's list
    // and its button wait for the test's end.
    ListBox9->setEnabled(allowed);
    BitBtn7->setEnabled(allowed);
}

void TForm4::BitBtn2Click()
{
    if (m_phase == quiz::Phase::Running)
        restartQuestionTimer();
}

void TForm4::BitBtn3Click()
{
    closeConfirmed();
}

bool TForm4::abandonConfirmed()
{
    if (!testUnderWay())
        return true;
    // Neither the question nor the clocks move on behind the box.
    const bool wasRunning = m_phase == quiz::Phase::Running;
    if (wasRunning)
        BitBtn5Click();
    const int answer = plat::desktop().messageDlg(QStringLiteral("Abandonner le test en cours ?"),
                                                  plat::MsgType::Confirmation, plat::mbYes | plat::mbNo,
                                                  plat::mrNo);
    if (answer == plat::mrYes)
        return true;
    if (wasRunning && m_phase == quiz::Phase::Paused)
        BitBtn4Click();
    return false;
}

void TForm4::BitBtn5Click()
{
    if (m_phase != quiz::Phase::Running)
        return;
    BitBtn5->hide();
    BitBtn4->show();
    Edit5->setEnabled(false);
    BitBtn3->setEnabled(false);
    Timer1->stop();
    Timer4->stop();
    Timer3->stop();
    m_phase = quiz::Phase::Paused;
    BitBtn4->setFocus();
}

void TForm4::BitBtn4Click()
{
    if (m_phase != quiz::Phase::Paused)
        return;
    BitBtn5->show();
    BitBtn4->hide();
    Edit5->setEnabled(true);
    BitBtn3->setEnabled(true);
    // A full question interval again; both clocks go on from where they stood.
    Timer1->start();
    Timer4->start();
    Timer3->start();
    m_phase = quiz::Phase::Running;
    Edit5->setFocus();
}

void TForm4::Timer2Timer()
{
    Edit5->show();
}

void TForm4::Timer3Timer()
{
    Label9 = quiz::incremented(Label9);
    Label2->setText(QStringLiteral("Temps total écoulé : ") + Label9 + QStringLiteral(" s."));
}

void TForm4::Timer4Timer()
{
    Label11 = quiz::halfSecondLater(Label11, plat::system().decimalSeparator());
    Label4->setText(QStringLiteral("Temps écoulé : ") + Label11 + QStringLiteral(" s."));
}

void TForm4::endTest()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    Timer4->stop();
    // Nothing is left to answer, pause or resume: a second end would record
    // the test twice.
    for (QPushButton *b : {BitBtn3, BitBtn5, BitBtn4})
        b->hide();
    Edit5->clear();
    Edit5->setEnabled(false);
    m_question.clear();
    Label12->clear();
    m_phase = quiz::Phase::Ended;
    allowSheetChoice(true);
    voice->testEnded();

    if (ListBox6.count() < quiz::kReportLinesWithAnError) {
        const QStringList &messages = quiz::congratulations();
        plat::desktop().showMessage(messages.at(plat::system().random(int(messages.size()))));
    } else if (CheckBox1->isChecked()) {
        saveErrorReport();
    }
    // A review is its user's own; a test goes to the user the completion
    // window is told.
    const statistics::TestResult result = testResult();
    if (m_review) {
        finishReview(result);
    } else if (CheckBox2->isChecked()) {
        For13->test = result;
        For13->completeStatistics();
    }

    ListBox6.clear();
    Edit3 = QStringLiteral("0");
    Edit4 = QStringLiteral("-1");
    ListBox1->setItemIndex(-1);
    Timer1->setInterval(1);
    titleDisplay->setMemo2(QStringLiteral("Pas de fiche sélectionnée"));
}

statistics::TestResult TForm4::testResult() const
{
    return {Edit3, Edit4, Label9, titleDisplay->memo2Line(), m_judged};
}

void TForm4::saveErrorReport()
{
    plat::FileRequest request;
    request.title = QStringLiteral("Sauvegarde de la liste des erreurs");
    request.filter = QStringLiteral("Fiche Tavilo !|*.fic");
    request.defaultExt = QStringLiteral("fic");
    const std::optional<QString> path = plat::desktop().saveFile(request);
    if (!path)
        return;
    try {
        ListBox6.saveToFile(*path);
    } catch (const plat::Failure &f) {
        // Said plainly, and the end of the test goes on.
        plat::desktop().messageDlg(
            QStringLiteral("Erreur : La liste des erreurs n'a pas pu être enregistrée.\n") + f.message(),
            plat::MsgType::Error, plat::mbOK);
    }
}
