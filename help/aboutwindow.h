#pragma once
#include "platform/form.h"

class ClickLabel;
class QLabel;
class QLineEdit;
class QPushButton;

// The user's name and company, saved at each change; the way to the help and
// to the licence; and, at the end of a first run, the restart of the start-up
// pass.
class TForm5 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    ClickLabel *Image3; // header picture
    ClickLabel *Image5; // invisible click area under the header
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *Edit1;
    QLabel *Label4;
    QLineEdit *Edit2;
    QLabel *Image1;
    QLabel *Image2;
    QLabel *Image4;
    QLabel *webAddress; // the maker's web address, under the logos
    QLabel *Memo2;
    QPushButton *BitBtn1;
    QPushButton *Quitter;
    // The first-run mark: "5" while the first run has this window open,
    // "4846" once it has restarted the start-up pass.
    QString premier = QStringLiteral("premier");

    void activated() override { FormActivate(); }
    void FormActivate();
    void Edit1Change();
    void Edit2Change();
    void BitBtn1Click();
    void QuitterClick();
    void FormClose();
    void Image3Click();
    void Image5Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void endFirstRun();
};

extern TForm5 *Form5;
