#pragma once
#include "platform/form.h"

#include <QColor>
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
    QColor FontDialog1Color = Qt::blue; // and its colour, chosen just after the font

    void FormActivate();
    void TrackBar1Change();
    void ComboBox1Change();
    void BitBtn1Click();
    void BitBtn6Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // Entry is when the window is opened, not each return from its own font
    // and colour dialogs or message box: taken again there, the entry would
    // be the interval and direction changed before the font was chosen (or
    // the interval whose saving just failed), and "Annuler" would keep those
    // changes instead of undoing them.
    void activated() override;

private:
    // The font dialog, then the colour of that font; the button shows the
    // chosen font in its colour, the term takes both and the previous term
    // takes the font small and lime.
    void chooseFont(QPushButton *button, QWidget *term, QLabel *previous);

    bool m_inOwnDialog = false;
};

extern TForm12 *Form12;
