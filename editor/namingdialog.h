#pragma once
#include "platform/form.h"
#include "platform/linelist.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the name and information of a sheet the editor is creating, then
// writes the new sheet (its title line only) under the name chosen in the
// editor's save dialog and adds it to the catalogue.
class TForm9 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label11;
    QLabel *Label2;
    QLineEdit *Edit2;
    QLabel *Label3;
    QPushButton *BitBtn1;
    // The new sheet's lines before they are written: its title line alone.
    plat::LineList ListBox1;

    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TForm9 *Form9;
