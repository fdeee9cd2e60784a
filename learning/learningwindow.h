#pragma once
#include "platform/form.h"

class TForm3 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
};

extern TForm3 *Form3;
