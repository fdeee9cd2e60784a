#pragma once
#include "editor/sheetnameform.h"

class QLabel;
class QPushButton;

// Renames the sheet chosen in the editor's title list: its new name and
// information make its title line, written into the sheet file and the three
// title lists. The catalogue keeps the sheet's path.
class TFor9 : public SheetNameForm {
    Q_OBJECT
public:
    explicit TFor9(QWidget *parent = nullptr);

    QLabel *Label4;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    void FormActivate();
    void BitBtn1Click() override;
    void BitBtn2Click();

    void activated() override { FormActivate(); }

private:
    // Set while the dialog refuses to open: the refusal's own message box
    // reactivates the dialog when it closes, and must not ask again.
    bool m_refusing = false;
};

extern TFor9 *For9;
