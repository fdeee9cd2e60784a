#pragma once
#include "platform/form.h"

class QLabel;
class QTimer;

// The exit window: shows its picture, then ends the program.
class TForm6 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    QLabel *Image1;
    QTimer *Timer1; // 1500 ms, started on activation

    void FormActivate();
    void Timer1Timer();
    void activated() override { FormActivate(); }
};

extern TForm6 *Form6;
