#pragma once
#include "platform/form.h"

class TForm15 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);
};

extern TForm15 *Form15;
