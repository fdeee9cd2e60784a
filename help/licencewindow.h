#pragma once
#include "platform/form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Shows the licence text in full, maximised.
class TForm10 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);

    QLabel *Label4;
    QPlainTextEdit *Memo2;
    QPushButton *BitBtn1;

    void activated() override { FormActivate(); }
    void FormActivate();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

extern TForm10 *Form10;
