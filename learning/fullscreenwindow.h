#pragma once
#include "app/settings.h"
#include "platform/form.h"

class QPlainTextEdit;

// The full-screen mirror of the learning window's two terms. For now: its two
// areas and the colour they share with the window.
class Tpleinec : public plat::Form {
    Q_OBJECT
public:
    explicit Tpleinec(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1; // first term
    QPlainTextEdit *Memo2; // second term

    // Colours as the settings file stores them, a theme colour kept as such.
    settings::TColor memo1Color() const { return m_memo1Color; }
    settings::TColor memo2Color() const { return m_memo2Color; }
    settings::TColor formColor() const { return m_formColor; }
    void setMemo1Color(settings::TColor colour);
    void setMemo2Color(settings::TColor colour);
    void setFormColor(settings::TColor colour);

private:
    settings::TColor m_memo1Color = 0;
    settings::TColor m_memo2Color = 0;
    settings::TColor m_formColor = 0;
};

extern Tpleinec *pleinec;

// 0x00BBGGRR (theme colours resolved) as a Qt colour.
QColor qColorOf(settings::TColor colour);
