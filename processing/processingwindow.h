#pragma once
#include "platform/form.h"
#include "platform/linelist.h"

class QLabel;
class QPushButton;

// The menu of tools on sheet files: the calculator export, the mixer, the
// conversion of a cif file (two columns, made on Linux) into a sheet, and the
// import of word lists from other programs and spreadsheets.
class TForm15 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);

    QLabel *Label1, *Label2;
    QPushButton *BitBtn1; // export to a TI-89/92
    QPushButton *BitBtn2; // the mixer
    QPushButton *BitBtn4; // cif conversion
    QPushButton *BitBtn3; // back
    QPushButton *BitBtn5; // import of another program's word list

    plat::LineList Memo1; // lines of the cif file
    plat::LineList Memo2; // the sheet being built
    QString Edit1 = QStringLiteral("0"); // the column split, as decimal text

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TForm15 *Form15;
