#pragma once
#include "platform/form.h"

class TForm16 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);
};

extern TForm16 *Form16;
