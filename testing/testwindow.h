#pragma once
#include "platform/form.h"

class TForm4 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};

extern TForm4 *Form4;
