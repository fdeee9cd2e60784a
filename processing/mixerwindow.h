#pragma once
#include "platform/form.h"
#include "platform/linelist.h"
#include "sheets/titlelistbox.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The mix list: titles of the sheets to mix. It keeps the hint the window
// gives it, where the title lists of other windows follow the pointer.
class MixListBox : public sheets::TitleListBox {
    Q_OBJECT
public:
    using sheets::TitleListBox::TitleListBox;

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
};

// Joins sheets into one new sheet, a dictionary: the title typed by the user,
// then the pairs of every listed sheet in list order.
class TForm16 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);

    QLabel *Label2;
    QLineEdit *Edit1; // title line of the dictionary
    QLabel *Label5;
    MixListBox *ListBox1; // mix list, the titles
    QLabel *Label1;
    QPlainTextEdit *Memo3; // preview of the selected sheet
    QPushButton *BitBtn1;  // remove from the list
    QPushButton *BitBtn2;  // add to the list
    QPushButton *BitBtn3;  // mix
    QPushButton *BitBtn4;  // leave
    QLabel *Memo1, *Memo4; // explanation, size advice

    plat::LineList ListBox2; // mix list, the paths, aligned with ListBox1
    QByteArray Memo2;        // the dictionary being built, as its file's bytes

    // Opens the window modally with its list filled afresh from the catalogue.
    void showMixer();

    void FormActivate();
    void ListBox1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

    void activated() override;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void resetListHint();
    void removeEntry(int i);
    void showPreview(const QStringList &lines);

    // Set when the window opens. Its activation also runs on every return
    // from its own dialogs and message boxes, where refilling the list would
    // throw away the user's choice of sheets (the save dialog of the mix
    // itself is one of them).
    bool m_fillOnActivation = false;
};

extern TForm16 *Form16;
