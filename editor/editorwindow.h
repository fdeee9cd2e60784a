#pragma once
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// The sheet editor. For now: its lists, entries and buttons, whose keyboard
// reach the main window's input mode sets.
class TForm2 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    QLabel *Label1;
    QListWidget *ListBox1; // title list, the master copy
    QLabel *Label4, *Label5;
    QListWidget *ListBox2; // first column
    QListWidget *ListBox3; // second column
    QLineEdit *Edit1, *Edit2;
    QPushButton *BitBtn1;  // "Ajouter un terme à la liste"
    QPushButton *BitBtn2;  // change of direction
    QPushButton *BitBtn3;  // "Supprimer un terme de la liste"
    QPushButton *BitBtn4;  // stop
    QPushButton *BitBtn5, *BitBtn6, *BitBtn7, *BitBtn8, *BitBtn9, *BitBtn10; // sheet commands
    QToolButton *SpeedButton1, *SpeedButton2; // column fonts, by mouse
    QPushButton *BitBtn11, *BitBtn12;         // column fonts, by keyboard
};

extern TForm2 *Form2;
