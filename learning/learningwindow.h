#pragma once
#include "learning/flashcards.h"
#include "platform/form.h"
#include "platform/linelist.h"
#include "sheets/titlelistbox.h"

class ClickLabel;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;
class QTimer;

namespace learning {
class CardVoice;
}
namespace sheets {
class TitleDisplay;
}

// The learning window: a catalogued sheet shown pair by pair like flash
// cards, one term at once and the other after the waiting time, each pair
// once, in random order, at the pace of the two sliders.
class TForm3 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    // Title band.
    ClickLabel *Image1; // logo: the about window
    QLabel *Image3;     // title banner
    QFrame *Panel1;     // black panel over the banner while idle

    // Settings column.
    QLabel *Label5;
    QComboBox *ComboBox1; // which term comes first
    QSlider *TrackBar2;   // waiting time before the second term, seconds
    QLabel *Label18;
    QSlider *TrackBar1;   // interval between two pairs, seconds
    QLabel *Label4;
    QLabel *Label11, *Label9; // keyboard tip for the sliders
    QLabel *Label21;
    QPushButton *BitBtn3, *BitBtn4; // fonts of the first and second term
    QPushButton *BitBtn8;           // full screen

    // The card.
    QLabel *Label14, *Label15, *Label16; // idle status, idle prompt, running status
    QLabel *pausedStatus;                // in the running status's place while paused
    QScrollArea *cardArea;               // lets a card wider than the window scroll
    QFrame *Shape1;
    QLabel *Label7, *Label12; // first heading and term
    QLabel *Label8, *Label10; // second heading and term

    // Sheet column.
    QLabel *Label1;
    sheets::TitleListBox *ListBox1; // title list, aligned with the catalogue
    QLabel *Label13;                // pairs left
    QPushButton *BitBtn1;           // start
    QPushButton *BitBtn6, *BitBtn5; // pause, resume (same place)
    QPushButton *BitBtn7;           // stop
    QPushButton *BitBtn2;           // leave

    QTimer *Timer1; // pair timer
    QTimer *Timer2; // reveal timer

    // Data.
    QString Label2Caption = QStringLiteral("Fiche traitée : pas de fiche sélectionnée");
    QString Label2Hint;
    QString Label6;               // path of the loaded sheet
    plat::LineList Memo1;         // lines of the loaded sheet
    learning::RemainingPairs remaining; // ListBox2 and ListBox3
    sheets::TitleDisplay *titleDisplay;
    learning::CardVoice *voice; // speaks the card's terms

    // Learning runs, or is paused.
    bool running() const;
    // Gives the focus to the button taking the place of one that goes.
    void handFocus(QWidget *leaving, QWidget *taking);

    void activated() override { FormActivate(); }
    void FormActivate();
    void FormClose();
    void ListBox1Click();
    void ComboBox1Change();
    void TrackBar1Change();
    void TrackBar2Change();
    void BitBtn1Click(); // start
    void BitBtn5Click(); // resume
    void BitBtn6Click(); // pause
    void BitBtn7Click(); // stop
    void BitBtn2Click(); // leave
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn8Click();
    void Image1Click();
    void Timer1Timer(); // next pair
    void timer();       // reveal

protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void chooseTermFont(QLabel *term, QPushButton *button);
    void resizeCard();
};

extern TForm3 *Form3;
