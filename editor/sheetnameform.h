#pragma once
#include "platform/form.h"

#include <initializer_list>

class QLabel;
class QLineEdit;
class QVBoxLayout;

// What the two dialogs that name a sheet (a new one, or one renamed) share:
// a prompt, its entry and an example, for the sheet's name and then for its
// information, on black. ENTER in either entry saves, as the save button
// does. The dialog ends through its own buttons only and opens centred.
class SheetNameForm : public plat::Form {
    Q_OBJECT
public:
    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label11;
    QLabel *Label2;
    QLineEdit *Edit2;
    QLabel *Label3;

    virtual void BitBtn1Click() = 0;

protected:
    SheetNameForm(const QString &name, const QString &title, const QString &namePrompt,
                  const QString &informationPrompt, QWidget *parent);

    // Lays the rows out from the top of the dialog; `besideNameExample`, when
    // given, stands at the right of the name's example. The buttons go below.
    QVBoxLayout *layOutRows(QWidget *besideNameExample = nullptr);
    // After a failed write the sheet may be damaged: the user is told, box
    // after box, how to mend it by hand, and the program stops.
    void giveUp(std::initializer_list<QString> notes);

    void showEvent(QShowEvent *e) override;
};
