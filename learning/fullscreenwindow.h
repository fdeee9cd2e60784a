#pragma once
#include "app/settings.h"
#include "platform/form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The learning window's two terms in large type over the whole screen, for
// reading from a distance. It only mirrors the learning window, ten times a
// second; the presentation itself goes on there.
class Tpleinec : public plat::Form {
    Q_OBJECT
public:
    explicit Tpleinec(QWidget *parent = nullptr);

    QPushButton *BitBtn1; // leave
    QPushButton *BitBtn3; // font
    QPushButton *BitBtn2; // colour
    QPushButton *Prononcer; // the learning window's "Prononcer"
    QLabel *Label1, *Label2;
    QPlainTextEdit *Memo1; // first term
    QPlainTextEdit *Memo2; // second term
    QTimer *Timer1;        // mirror

    // Colours as the settings file stores them, a theme colour kept as such.
    settings::TColor memo1Color() const { return m_memo1Color; }
    settings::TColor memo2Color() const { return m_memo2Color; }
    settings::TColor formColor() const { return m_formColor; }
    void setMemo1Color(settings::TColor colour);
    void setMemo2Color(settings::TColor colour);
    void setFormColor(settings::TColor colour);

    void activated() override { FormActivate(); }
    void FormActivate();
    void Timer1Timer();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void hideEvent(QHideEvent *e) override;

private:
    settings::TColor m_memo1Color = 0;
    settings::TColor m_memo2Color = 0;
    settings::TColor m_formColor = 0;
};

extern Tpleinec *pleinec;

// 0x00BBGGRR (theme colours resolved) as a Qt colour, and back.
QColor qColorOf(settings::TColor colour);
settings::TColor tColorOf(const QColor &colour);
