#pragma once
#include "platform/form.h"

class TForm2 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};

extern TForm2 *Form2;
