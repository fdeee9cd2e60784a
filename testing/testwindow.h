#pragma once
#include "platform/form.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// The test window. For now: the controls the main window prepares before
// showing it, and the two ways of choosing a sheet.
class TForm4 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    QLabel *Label1;        // heading of the sheet list
    sheets::TitleListBox *ListBox1; // title list, reacts to a click (mouse mode)
    QListWidget *ListBox9; // copy of the title list (keyboard mode)
    QPushButton *BitBtn7;  // "Se tester sur la fiche" (keyboard mode)
    QPushButton *Parcourir;
    QLabel *Label22;       // heading of the results
    QLabel *Label19, *Label17, *Label21, *Label18;
    QLabel *Label12;       // the question
    QLineEdit *Edit5;      // the user's answer
    QLabel *label26, *Label29, *Label15; // previous question, expected entry, answer
    QString Edit3;         // right count, decimal text
    QString Edit4;         // wrong count, decimal text
    QLabel *Label9;        // test clock, whole seconds
    QCheckBox *CheckBox1;  // "Enregistrer les erreurs"
    QCheckBox *CheckBox2;  // "Compléter les statistiques"
    // Holds Memo2: line 0 is the title line of the sheet under test, which
    // the completion window records.
    sheets::TitleDisplay *titleDisplay;
    QTimer *Timer1;        // question timer
};

extern TForm4 *Form4;
