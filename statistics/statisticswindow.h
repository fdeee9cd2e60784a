#pragma once
#include "platform/form.h"
#include "platform/linelist.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"
#include "statistics/linesview.h"
#include "statistics/userfile.h"

#include <QFont>

class ClickLabel;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The user statistics window: the users, the text of the chosen user's file,
// the graph of their tests, and the commands that manage the user list. Its
// user list and text buffer also serve the completion window.
class TFor2 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor2(QWidget *parent = nullptr);

    ClickLabel *Image1;        // logo: opens the about window
    QLabel *Image3;            // title banner: the chosen user
    QLabel *Label1;            // heading of the user list
    sheets::TitleListBox *ListBox1; // one user entry per line of the user list
    QLabel *Label4;            // heading of the text
    statistics::LinesView *Memo1; // the text of a user statistics file
    QLabel *Label7;            // heading of the graph
    QLabel *Image5;            // the success graph
    QPushButton *BitBtn7, *BitBtn5, *BitBtn6, *BitBtn9, *BitBtn4;

    // The spaced review of the chosen user, after the other controls.
    QLabel *LabelRevision;     // "Révision espacée"
    QLabel *LabelSuivies;      // "Paires suivies : N"
    QLabel *LabelARevoir;      // "À revoir aujourd'hui : M"
    QLabel *LabelRetention;    // mean chance of recall today
    QLabel *LabelPrevision;    // caption of the chart
    QLabel *ImageRevision;     // pairs falling due on each of the next 30 days
    QPushButton *BitBtnReviser; // "Réviser maintenant (M paires)"

    plat::LineList Memo3;      // user list: one user statistics file path per line
    QString code = QStringLiteral("Code"); // the rebuild runs only while this reads "Code"
    QString Label2 = QStringLiteral("Fiche traitée : pas de fiche sélectionnée");
    QString Label6;            // path of the chosen user statistics file
    sheets::TitleDisplay *titleDisplay; // Memo2 and the banner
    QFont FontDialog1Font;     // print font offered
    QFont RichEdit1Font;       // print font in use
    QString Image5Hint;        // the graph's hint, shown only while enabled
    bool Image5HintEnabled = false;

    static constexpr int kMemoHeight = 417;
    static constexpr int kMemoHeightWithGraph = 289;

    // Memo1's text: the file buffer the windows read and append to.
    const statistics::UserFileText &memo1() const { return Memo1->text(); }
    void setMemo1(statistics::UserFileText text) { Memo1->setText(std::move(text)); }
    void clearMemo1() { setMemo1({}); }
    int memo1Height() const { return m_memoHeight; }
    // The graph shows below the text while the text is short enough to leave
    // it room.
    void setMemo1Height(int height);

    // Replaces the user list by the lines of a file, then rebuilds the entries
    // and says, once, which users could not be read. Throws plat::Failure when
    // the file cannot be read; nothing changes then.
    void loadUserList(const QString &path);
    // Rebuilds the user entries from the user list (statistics::scanUserList);
    // nothing is selected afterwards.
    void Memo3Change();
    // Adds a path to the user list, which rebuilds the entries.
    void appendUser(const QString &path);
    // Throws plat::Failure.
    void saveUserList() const;

    // Shows user i: title banner, Label6 and Memo1. Throws plat::Failure when
    // there is no such user or the file cannot be read; what was set before
    // the failure stays.
    void openUser(int i);
    // Appends a test record to Memo1 and writes it to the chosen user's file
    // (Label6). Throws plat::Failure; Memo1 is then as before, as the file is.
    void appendTestRecord(const statistics::TestResult &result, const QString &date, const QString &time);
    // Draws Image5 from Memo1 and sets its hint.
    void drawGraph();

    void activated() override { FormActivate(); }
    void FormActivate();
    void ListBox1Click();
    void BitBtn5Click();
    void BitBtn6Click();
    // True when a user was created; it is then the one shown.
    bool Crerunenouvellefiche1Click();
    void BitBtn9Click();
    void Image1Click();
    void cl();
    void FormClose();

    // Fills the review area for the chosen user (Label6), or empties it when
    // none is chosen.
    void showReview();
    // Opens the test window on a review of the user's due pairs.
    void BitBtnReviserClick();

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    // Selects the last user and shows it.
    void showLastUser();
    void buildReviewArea(QVBoxLayout *column);
    // Offers to forget the review answers of a user just removed from the
    // list (no longer listed at all).
    void offerToForget(const QString &user);

    int m_memoHeight = kMemoHeight;
    QStringList m_unavailable; // users whose file the last rebuild could not read
};

extern TFor2 *For2;
