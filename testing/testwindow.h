#pragma once
#include "platform/form.h"
#include "platform/linelist.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"
#include "review/store.h"
#include "statistics/userfile.h"
#include "testing/testcycle.h"

#include <QDateTime>

class ClickLabel;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QuestionVoice;

// The test window: a sheet is chosen from the catalogue or a file, then its
// pairs are asked one by one in random order, each answer judged at the tick
// of the question timer or as soon as it is typed right, and counted.
class TForm4 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    // Top band.
    ClickLabel *Image1;    // logo: the about window
    QLabel *Image3;        // title banner

    // Choosing a sheet.
    QLabel *Label1;        // heading of the sheet list
    sheets::TitleListBox *ListBox1; // title list, reacts to a click (mouse mode)
    plat::ListBox *ListBox9; // copy of the title list (keyboard mode)
    QPushButton *BitBtn7;  // "Se tester sur la fiche" (keyboard mode)
    QPushButton *Parcourir;
    QPushButton *Quitter;

    // Results.
    QLabel *Label22;       // heading of the results
    QLabel *Label13;       // questions left
    QLabel *Label19, *Label17, *Label21, *Label20, *Label18;
    QLabel *Label4;        // question clock
    QLabel *Label2;        // test clock

    // The question panel.
    QWidget *questionArea; // holds the panel and cuts off what the window cannot show
    QFrame *Shape1;        // lime background, 777 pixels wide or wider
    QLabel *Label7;        // caption over the question
    QLabel *Label12;       // the question
    QLabel *Label8;        // caption over the answer field
    QLineEdit *Edit5;      // the user's answer
    QLabel *Label23;       // instructions
    QLabel *Label27, *label26; // previous question
    QLabel *Label28, *Label29; // previous expected entry
    QLabel *Label14, *Label15; // previous typed answer
    QLabel *verdict;           // "Juste !", or the answer that was expected

    // Commands and options.
    QPushButton *BitBtn1;  // "Commencer le test"
    QPushButton *BitBtn5;  // "Pause"
    QPushButton *BitBtn4;  // "Reprendre"
    QPushButton *BitBtn6;  // "Paramètres"
    QPushButton *BitBtn3;  // "Donner sa langue au chat": runs BitBtn2Click
    QPushButton *BitBtn2;  // "Quitter le test": runs BitBtn3Click
    QCheckBox *CheckBox1;  // "Enregistrer les erreurs"
    QCheckBox *CheckBox2;  // "Compléter les statistiques"
    QCheckBox *CheckBox3;  // "Respecter la casse"
    QCheckBox *CheckBox4;  // "Respecter la ponctuation"

    // Data.
    plat::LineList Memo1;  // the loaded sheet
    QString Label6;        // path of the loaded sheet
    // Holds Memo2: line 0 is the title line of the sheet under test, which
    // the completion window records.
    sheets::TitleDisplay *titleDisplay;
    quiz::QuestionLists lists; // answer list (ListBox2) and question list (ListBox3)
    plat::LineList ListBox6; // the error report
    QString Edit1;         // expected answer of the current question
    QString avec;          // expected entry of the current question
    QString Edit3;         // right count, decimal text
    QString Edit4;         // wrong count, decimal text
    QString Label9;        // test clock, whole seconds
    QString Label11;       // question clock, seconds in the locale's form

    QTimer *Timer1;        // question timer
    QTimer *Timer2;        // shows the answer field
    QTimer *Timer3;        // test clock, every second
    QTimer *Timer4;        // question clock, every half second
    QuestionVoice *voice = nullptr; // "Écouter la question" and the sheet's language

    quiz::Phase phase() const { return m_phase; }
    // Started and not yet ended: its figures belong to the sheet chosen.
    bool testUnderWay() const { return m_phase == quiz::Phase::Running || m_phase == quiz::Phase::Paused; }

    // Opening, choosing, closing.
    void FormActivate();
    void FormClose();
    void ListBox1Click();
    void BitBtn7Click();
    void ParcourirClick();
    void QuitterClick();
    void Image1Click();
    void BitBtn6Click();
    void ComboBox1Change();

    // The running test.
    void BitBtn1Click();   // start
    void Timer1Timer();    // judge, then the next question or the end
    void Edit5Change();
    void BitBtn2Click();   // give up on the question
    void BitBtn3Click();   // leave the test
    void BitBtn5Click();   // pause
    void BitBtn4Click();   // resume
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();

    // The test just finished (or under way) as it is handed over: the counts,
    // the clock, the title and every question judged, in the order asked.
    statistics::TestResult testResult() const;

    // A review: the due pairs of a user, asked as a test on a sheet is.
    struct Review {
        QString user; // the user's statistics file, as the user list holds it
        QString name;
        QList<review::Card> cards;
    };
    // Opens the window's review, ready to start, and again at each showing
    // of the window until it is dropped (nullopt).
    void prepareReview(std::optional<Review> review);
    bool reviewing() const { return m_review.has_value(); }

    // Leaving the window during a test loses its answers: the user is asked
    // first (the test waits meanwhile). True when there is no test under way
    // or the user agrees.
    bool abandonConfirmed();
    // Closes the window without a question: its buttons, or Escape once asked.
    void closeConfirmed();

    // The question panel: as wide as the question needs, at least 777 pixels,
    // and as high as its fonts need.
    void fitQuestionPanel();

    void activated() override;
    // Showing the window opens it afresh: the reset of its activation runs
    // then, and a window shown again while a test runs leaves that test first.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void buildLayout();
    void showTestControls();
    void resetResultLabels();
    void buildLists();
    bool frenchShown() const;
    void setEnterButton(QPushButton *button);
    void restartQuestionTimer();
    void judge();
    void drawQuestion();
    void endTest();
    void saveErrorReport();
    void restartQuestionClock();
    void allowSheetChoice(bool allowed);
    // An Enter that only follows a right answer accepted as it was typed.
    bool enterAfterAcceptedAnswer() const;
    int questionIntervalMs() const;
    void loadReview();
    void leaveReview();
    // Records a finished review for its user, updates the cards and says
    // how it went.
    void finishReview(const statistics::TestResult &result);

    quiz::Phase m_phase = quiz::Phase::Choosing;
    QPushButton *m_enterButton = nullptr; // the button Enter presses
    bool m_inTick = false;
    bool m_closing = false; // closed by the window's own choice, not by the close box
    QString m_question; // the question in full; Label12 shows its beginning
    QDateTime m_acceptedAt; // when a typed answer was last accepted
    QString m_questionSheet; // the sheet the question asked comes from
    bool m_asked = false;   // a question of the user's is being asked
    QList<statistics::JudgedQuestion> m_judged;
    std::optional<Review> m_pendingReview;
    std::optional<Review> m_review;
};

extern TForm4 *Form4;
