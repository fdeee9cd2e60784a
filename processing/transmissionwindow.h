#pragma once
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Shows the sheet chosen for the calculator (the main window's Memo7) as one
// line of TI-89/92 program text, with how to send it; the user copies it.
class TForm14 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5; // the instructions
    QLineEdit *Edit1; // the calculator text
    QPushButton *BitBtn4;

    void FormActivate();
    void BitBtn4Click();
    void activated() override { FormActivate(); }

protected:
    void showEvent(QShowEvent *e) override;
};

extern TForm14 *Form14;
