#pragma once
#include "editor/sheetnameform.h"
#include "platform/linelist.h"

class QPushButton;

// Asks for the name and information of a sheet the editor is creating, then
// writes the new sheet (its title line only) under the name chosen in the
// editor's save dialog and adds it to the catalogue.
class TForm9 : public SheetNameForm {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

    QPushButton *BitBtn1;
    // The new sheet's lines before they are written: its title line alone.
    plat::LineList ListBox1;

    void BitBtn1Click() override;
};

extern TForm9 *Form9;
