#pragma once
#include "platform/form.h"

class QLabel;
class QPushButton;

// Greets a new user and puts the default files in place before the about
// window asks for a name.
class TFor8 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor8(QWidget *parent = nullptr);

    QLabel *Label4;
    QLabel *Image2;
    QLabel *Memo1;
    QPushButton *BitBtn1;

    void BitBtn1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
};

extern TFor8 *For8;
