#pragma once
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The new-user window: a name and a company, then the file that will hold
// the user's statistics. The fields keep their text from one use to the next.
class TFor9b : public plat::Form {
    Q_OBJECT
public:
    explicit TFor9b(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Edit1; // user name
    QLabel *Label2;
    QLineEdit *Edit2; // company
    QPushButton *BitBtn1;

    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TFor9b *For9b;
