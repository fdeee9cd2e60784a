#pragma once
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Renames the sheet chosen in the editor's title list: its new name and
// information make its title line, written into the sheet file and the three
// title lists. The catalogue keeps the sheet's path.
class TFor9 : public plat::Form {
    Q_OBJECT
public:
    explicit TFor9(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label11;
    QLabel *Label2;
    QLineEdit *Edit2;
    QLabel *Label3;
    QLabel *Label4;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    void FormActivate();
    void BitBtn1Click();
    void BitBtn2Click();

    void activated() override { FormActivate(); }

protected:
    void showEvent(QShowEvent *e) override;

private:
    // Set while the dialog refuses to open: the refusal's own message box
    // reactivates the dialog when it closes, and must not ask again.
    bool m_refusing = false;
};

extern TFor9 *For9;
