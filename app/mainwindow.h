#pragma once
#include "platform/form.h"

class TForm1 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
};

extern TForm1 *Form1;
