#pragma once
#include "platform/form.h"

#include <QFont>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// The test settings window: the question interval (kept in the settings
// file), the question direction and the fonts of the test window. Every
// change takes effect at once; "Annuler" puts back the interval and the
// direction found on entry.
class TForm12 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);

    QLabel *Label4;
    QSlider *TrackBar1;    // seconds between two questions, 3 to 100
    QLabel *Label11, *Label9; // keyboard tip for the slider
    QLabel *Label5;
    QComboBox *ComboBox1;  // the term shown: "Terme français" or anything else
    QLabel *Label1;
    QPushButton *BitBtn2;  // font of the question
    QPushButton *BitBtn3;  // font of the answer
    QPushButton *BitBtn1;  // "Appliquer les paramètres"
    QPushButton *BitBtn6;  // "Annuler"
    QString Edit1;         // slider position on entry
    QString Edit2;         // direction on entry
    QFont FontDialog1;     // the font the dialog offers

    void FormActivate();
    void TrackBar1Change();
    void ComboBox1Change();
    void BitBtn1Click();
    void BitBtn6Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // Entry is when the window is opened: a return from its own font dialog
    // or message box keeps what "Annuler" restores.
    void activated() override;

private:
    // The font dialog; the button shows the chosen font, the term takes it and
    // the previous term takes it small and lime.
    void chooseFont(QPushButton *button, QWidget *term, QLabel *previous);

    bool m_inOwnDialog = false;
};

extern TForm12 *Form12;
