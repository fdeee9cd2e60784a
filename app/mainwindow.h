#pragma once
#include "app/banner.h"
#include "platform/form.h"
#include "platform/linelist.h"

class BannerLabel;
class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QSlider;
class WindowShaker;
class ClickFrame;
class ClickLabel;
class QCloseEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// The main window: the activity buttons, the help panel, the input mode, and
// the hidden lists that the other windows share.
class TForm1 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // Visible controls.
    QLabel *Label1, *Label4, *Label2, *Label5;
    ClickLabel *Image2;  // maker's logo: the about window
    ClickLabel *Image1;  // product picture: the product's web page
    ClickLabel *Image3, *Image5; // invisible click areas over the title
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn7, *BitBtn5, *BitBtn4, *BitBtn6;
    QPushButton *BitBtn10, *BitBtn11; // tiny buttons for keyboard mode
    ClickFrame *Panel1;  // help panel
    QRadioButton *RadioButton5, *RadioButton6;
    // Never shown: the activity windows uncheck them when they close.
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
    QLabel *Memo8, *Memo1;
    QWidget *Panel3;     // banner strip
    BannerLabel *bandeau;
    QTimer *Timer1;      // banner timer
    // Banner panel.
    QWidget *Panel2;
    QSlider *TrackBar1;  // speed
    QCheckBox *CheckBox1; // "Désactiver le bandeau"
    QLineEdit *Edit1;    // message file
    QPushButton *Parcourir, *BitBtn8, *BitBtn9;

    // Hidden lists shared with the other windows.
    plat::LineList Memo6;    // settings list
    plat::LineList ListBox1; // catalogue list: one sheet path per line
    plat::LineList Memo4;    // sheet buffer
    plat::LineList Memo7;    // sheet chosen for calculator transmission
    plat::LineList emo1;     // help viewer configuration being rewritten
    plat::LineList infos;    // banner list
    // The banner label's text, place and line index.
    banner::Scroller bannerScroller{infos};

    // 951 until the start-up window has been shown once.
    int startupMarker = 0;

    void FormCreate();
    void FormActivate();
    void FormClose();
    void activated() override { FormActivate(); }

    void RadioButton1Click(); // sheet editor
    void RadioButtonClick();  // learning
    void RadioButton3Click(); // test
    void BitBtn7Click();      // user statistics
    void BitBtn5Click();      // sheet processing
    void RadioButton4Click(); // quit
    // No activity chosen: what an activity window does as it closes.
    void uncheckActivityButtons();
    void BitBtn6Click();      // help launcher
    void Panel1Click();
    void Image1Click();       // about window
    void totp();              // the product's web page
    void Image3Click();       // shakes the window
    void Image5Click();       // picture window
    void RadioButton5Click(); // mouse mode
    void RadioButton6Click(); // keyboard mode
    // Both modes; save is false only when the settings list was never read
    // from the settings file, which must then stay as it is.
    void applyInputMode(bool mouse, bool save = true);

    // The banner (bannerstrip.cpp).
    void Timer1Timer();       // one scrolling step
    void bandeauClick();      // shows the banner panel
    void BitBtn10Click();
    void TrackBar1Change();   // speed
    void ParcourirClick();    // message file choice
    void BitBtn8Click();      // "Modifier le bandeau"
    void BitBtn9Click();      // "Paramètres par défaut"
    WindowShaker *shaker() const { return m_shaker; }

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void showExitWindow();
    // The strip with its tiny button, and the panel laid over the two text
    // blocks above it; returns the row that holds the strip.
    QBoxLayout *buildBanner();
    // Activation: the fixed message file again, from line 1, scrolling.
    void restartBanner();

    QWidget *m_title = nullptr;
    bool m_exiting = false; // the exit window is on the screen
    WindowShaker *m_shaker = nullptr;
};

extern TForm1 *Form1;

namespace mainwindow {
// The product's page, opened by the product picture.
inline const QString kProductPage = QStringLiteral("https://orsiva.fr/tavilo/");
}
