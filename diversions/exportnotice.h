#pragma once
#include "platform/form.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Shown by the editor after a sheet was exported for a spreadsheet: a short
// speech on how to open the file, with a speaker whose picture moves.
class TForm11 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Image2;
    QTimer *Timer1;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;

    void Timer1Timer();
    void BitBtn1Click();

    static QStringList speech();

protected:
    // ENTER presses the default button, wherever the focus is.
    void keyPressEvent(QKeyEvent *e) override;
};

extern TForm11 *Form11;
